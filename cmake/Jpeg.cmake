# libjpeg: Debian's -dev package natively; for MinGW, Debian's source package built once into build/.
if(TALVIK_WINDOWS)
  set(_jpeg_work "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-mingw")
  if(NOT EXISTS "${_jpeg_work}/prefix/lib/libjpeg.a")
    message(STATUS "Building libjpeg-turbo for MinGW-w64 from Debian's source package")
    execute_process(
      COMMAND "${CMAKE_SOURCE_DIR}/tools/deps/build-libjpeg-mingw.sh" "${CMAKE_TOOLCHAIN_FILE}" "${_jpeg_work}"
      RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR "libjpeg-turbo build for MinGW-w64 failed")
    endif()
  endif()
  add_library(talvik_jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(talvik_jpeg PROPERTIES
    IMPORTED_LOCATION "${_jpeg_work}/prefix/lib/libjpeg.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_jpeg_work}/prefix/include")
else()
  find_package(JPEG REQUIRED)
  add_library(talvik_jpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(talvik_jpeg INTERFACE JPEG::JPEG)
endif()
