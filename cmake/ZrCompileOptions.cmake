# Warnings and sanitizers for every target of the project.
# zr_setup_target(<target>) is called by each layer for its own targets.

set(ZR_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Wcast-align -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)

if(ZR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(zr_setup_target target)
    target_compile_options(${target} PRIVATE ${ZR_WARNING_FLAGS})
    if(ZR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_NO_FOREACH)
endfunction()
