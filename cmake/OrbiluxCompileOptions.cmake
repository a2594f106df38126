# Compile options every Orbilux target shares, as an interface library that
# targets link to (orbilux_options).
add_library(orbilux_options INTERFACE)
target_include_directories(orbilux_options INTERFACE ${CMAKE_SOURCE_DIR})
target_compile_options(orbilux_options INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)
if(ORBILUX_WERROR)
  target_compile_options(orbilux_options INTERFACE -Werror)
endif()

if(ORBILUX_SANITIZE)
  target_compile_options(orbilux_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                   -fno-omit-frame-pointer)
  target_link_options(orbilux_options INTERFACE -fsanitize=address,undefined)
endif()

if(WIN32)
  # Wide-character Win32 everywhere; Windows 10 APIs (per-monitor DPI).
  target_compile_definitions(orbilux_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                       _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  # One self-contained executable each: no mingw runtime DLLs to ship.
  target_link_options(orbilux_options INTERFACE -static -static-libgcc -static-libstdc++)
  # Every function and object in a section of its own, so that the linker
  # leaves out what nothing calls; release builds are stripped.
  target_compile_options(orbilux_options INTERFACE -ffunction-sections -fdata-sections)
  target_link_options(orbilux_options INTERFACE -Wl,--gc-sections $<$<CONFIG:Release>:-s>)
endif()

if(ORBILUX_FUZZ)
  # Coverage for the libraries under test too, not just the fuzz entry points:
  # without it libFuzzer explores blind.
  target_compile_options(orbilux_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                   -fno-sanitize-recover=all)
  target_link_options(orbilux_options INTERFACE -fsanitize=address,undefined)
endif()

# Embeds the shared application manifest (asInvoker, per-monitor-v2 DPI
# awareness, Common Controls 6) into a Windows executable.
function(orbilux_add_manifest target)
  if(WIN32)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/platform/win32/resources/manifest.rc)
    set_property(SOURCE ${CMAKE_SOURCE_DIR}/platform/win32/resources/manifest.rc APPEND PROPERTY
                 OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/resources/orbilux.manifest)
  endif()
endfunction()
