#pragma once
#include <cstdint>

// What the global input hooks call for each reported key or button change.
// `context` is the main window; the report goes on to the scene as a queued
// call, so the hook returns at once. Nothing here keeps or logs the key.
void keyboardHookCallback(std::uint8_t usbCode, bool isDown, void *context);
void mouseHookCallback(std::uint8_t code, bool isDown, int x, int y, void *context);
