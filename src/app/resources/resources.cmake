# The resource object for the exe: pictures made by the host tool talvik_art of the native tree.
# Included once from the top level in the Windows tree.
set(TALVIK_HOST_BIN "${CMAKE_SOURCE_DIR}/build/native/bin" CACHE PATH "Host tools built by the native tree")
set(_art_dir "${CMAKE_BINARY_DIR}/art")
set(_art_files "${_art_dir}/talvik.ico" "${_art_dir}/menu_images.bmp" "${_art_dir}/about.jpg"
  "${_art_dir}/confirm.wav")
add_custom_command(
  OUTPUT ${_art_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_art_dir}"
  COMMAND "${TALVIK_HOST_BIN}/talvik_art" "${_art_dir}"
  DEPENDS "${TALVIK_HOST_BIN}/talvik_art"
  COMMENT "Drawing the program's pictures")
add_custom_target(talvik_art_files DEPENDS ${_art_files})
set(TALVIK_RESOURCE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/talvik.rc")
set_source_files_properties(${TALVIK_RESOURCE_SCRIPT} PROPERTIES
  OBJECT_DEPENDS "${_art_files};${CMAKE_CURRENT_LIST_DIR}/talvik.manifest;${CMAKE_CURRENT_LIST_DIR}/resource_ids.h")
# Use as: target_sources(exe PRIVATE ${TALVIK_RESOURCE_SCRIPT}); talvik_use_resources(exe)
function(talvik_use_resources target)
  target_include_directories(${target} PRIVATE "${CMAKE_BINARY_DIR}/art" "${CMAKE_SOURCE_DIR}/src/app/resources")
  add_dependencies(${target} talvik_art_files)
endfunction()
