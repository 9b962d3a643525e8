# The browser build (Emscripten): the program, the class library and the
# window system as on Linux, over the browser display (display/web/) instead
# of the Qt one. scripts/web_build.sh configures it with emcmake.

# What Debian's emscripten 3.1.6 lacks of C++20's standard library (its
# libc++ 13 has no std::bit_cast and reads and prints no floating-point
# numbers with <charconv>), given to every source ahead of its own includes.
add_compile_options(-include ${CMAKE_SOURCE_DIR}/cmake/web/libcxx_gaps.h)

# resonix.js and resonix.wasm, which the page starts (display/web/page/;
# scripts/web_build.sh makes the folder that a web server serves).
function(resonix_web_program)
  add_subdirectory(display/web)
  add_executable(resonix app/web_main.cpp)
  target_link_libraries(resonix PRIVATE resonix_app resonix_display_web)
  resonix_web_link_options(resonix)
endfunction()
