# Compiler settings shared by every target of the project.

add_compile_options(-Wall -Wextra)

if(WIN32)
  # ANSI ("A") Windows functions throughout; no <windows.h> min/max macros.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Every shipped program is one file: the C++ runtime and zlib are linked
  # statically, and the linker writes no timestamp, so equal sources give
  # equal bytes. Release programs carry no symbols.
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
endif()

# bx_windows_gui(target): marks a Windows program as a GUI (not console) one.
function(bx_windows_gui target)
  if(WIN32)
    target_link_options(${target} PRIVATE -mwindows)
  endif()
endfunction()
