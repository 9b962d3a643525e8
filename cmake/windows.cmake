# The Windows build: the application and the class library over the real
# user32, gdi32, comctl32 and shell32. The program's own window system
# (windowing/) and the Qt display are the Linux platform and are not built.

# Small programs: unused code and data left out at link time.
add_compile_options(-ffunction-sections -fdata-sections)

# The web-link control: its property-stream reader, and its window class.
add_library(resonix_weblink STATIC weblink/link_description.cpp weblink/link_properties.cpp weblink/win32/web_link_window.cpp)
target_link_libraries(resonix_weblink PUBLIC resonix_framework)

# The class library, and its seam over Windows (framework/win32/).
add_library(resonix_framework STATIC ${RESONIX_FRAMEWORK_SOURCES}
  framework/win32/accessible_names.cpp
  framework/win32/control_kind.cpp
  framework/win32/dialog_template_builder.cpp
  framework/win32/fitted_text.cpp
  framework/win32/font_report.cpp
  framework/win32/list_item_tips.cpp
  framework/win32/pixel_bitmap.cpp
  framework/win32/platform_win32.cpp
  framework/win32/test_probes.cpp
  framework/win32/utf16.cpp)
target_link_libraries(resonix_framework PUBLIC resonix_numbers resonix_resource_data resonix_first_paint resonix_control_rules resonix_text_fitting user32 gdi32 comctl32 shell32 ole32)

# resonix.exe: a GUI program with its manifest, icon and version resource,
# everything but the system DLLs linked in, stripped.
function(resonix_windows_program)
  # The manifest carries the project's version; the resource compiler finds
  # it, and res/version.h, in the generated folder.
  set(manifest ${CMAKE_BINARY_DIR}/generated/res/windows/resonix.manifest)
  configure_file(res/windows/resonix.manifest.in ${manifest} @ONLY)
  add_executable(resonix WIN32 app/win_main.cpp res/windows/resonix.rc)
  target_link_libraries(resonix PRIVATE resonix_app)
  target_link_options(resonix PRIVATE -Wl,--gc-sections -s)
  set_source_files_properties(res/windows/resonix.rc PROPERTIES
    OBJECT_DEPENDS "${manifest};${CMAKE_BINARY_DIR}/generated/res/version.h;${CMAKE_SOURCE_DIR}/res/windows/resonix.ico")
endfunction()
