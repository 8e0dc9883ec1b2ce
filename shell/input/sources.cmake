# The Qt-free part of the global input module, listed once for the project
# build and for the Windows cross build of the hook test
# (tools/wine-hooks-test.sh). Paths are relative to this folder.
set(ZR_INPUT_CORE_SOURCES
    input_hooks.cpp
    input_receiver.cpp
    key_translator.cpp
)
set(ZR_INPUT_WIN_SOURCES
    input_backend_win.cpp
)
set(ZR_INPUT_LINUX_SOURCES
    input_backend_linux.cpp
    x11_raw_input.cpp
)
