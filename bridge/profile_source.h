#pragma once

class QSettings;

// Where the facade finds the open profile stores: entry i is profile i, the
// keyboard's profile number i.
class ProfileSource
{
public:
    // The store of profile `index`, or null when there is none (no profile
    // files, or an index at or beyond the number of profiles).
    virtual QSettings *profileStore(int index) const = 0;

protected:
    ~ProfileSource() = default;
};
