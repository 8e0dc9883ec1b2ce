#pragma once

class QSettings;

// What the worker's event listener needs from the view: the settings store of
// the current profile and the scene's refresh call. The worker calls both on
// the GUI thread only (it hands each lighting report over to that thread
// first), so an implementation needs no locking of its own.
class ListenerHost
{
public:
    virtual ~ListenerHost() = default;

    // The store of the current profile, or null when the current profile
    // index has no store.
    virtual QSettings *currentProfileStore() = 0;
    // Queues the scene's zzzTerlow(), which re-reads the lighting pages.
    virtual void zzzTerlow() = 0;
};
