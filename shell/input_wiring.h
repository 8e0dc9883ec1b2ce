#pragma once

class Widget;

// Installs and removes the global keyboard and mouse hooks, with the main
// window as the context of their callbacks.
namespace InputWiring {

void install(bool defaultLayout, Widget *mainWindow);
void remove();

} // namespace InputWiring
