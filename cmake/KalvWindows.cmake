# kalv_windows_program(TARGET <name> SOURCES <sources...> RC <rc file> LIBS <libs...>)
#
# A Windows GUI program: wide entry point (wWinMain), static runtime so no compiler DLLs
# are needed at run time, the Windows backend and the system libraries it uses. Symbols
# are stripped: the static runtime brings debugging sections that users never need.
function(kalv_windows_program)
  cmake_parse_arguments(KWP "" "TARGET;RC" "SOURCES;LIBS" ${ARGN})
  if(NOT KWP_TARGET)
    message(FATAL_ERROR "kalv_windows_program: TARGET is required")
  endif()
  add_executable(${KWP_TARGET} WIN32 ${KWP_SOURCES} ${KWP_RC})
  if(KWP_RC)
    # Resource scripts name their files from the top of the tree ("ui/art/program.ico");
    # the dependency scanner follows #include only, so the binary files are listed here.
    file(GLOB kalv_art CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/ui/art/*)
    set_property(SOURCE ${KWP_RC} APPEND PROPERTY OBJECT_DEPENDS
                 ${PROJECT_SOURCE_DIR}/platform/win32/common_controls.manifest
                 ${PROJECT_SOURCE_DIR}/platform/win32/program.manifest ${kalv_art})
  endif()
  target_compile_definitions(${KWP_TARGET} PRIVATE UNICODE _UNICODE)
  target_link_libraries(${KWP_TARGET} PRIVATE kalv_win32_entry ${KWP_LIBS} kalv_platform_win32
                        version advapi32 user32 gdi32)
  target_link_options(${KWP_TARGET} PRIVATE -municode -mwindows -static -static-libgcc
                      -static-libstdc++ -s)
endfunction()
