# The application folder as a user copies it (TALVIK_DIST_DIR): the exe (copied by its own target),
# "帮助" with the help texts (GBK, CR LF), "音效" with the confirmation sound, "皮肤" with the skins.
set(_help_src "${CMAKE_SOURCE_DIR}/src/app/help")
file(GLOB _help_texts CONFIGURE_DEPENDS "${_help_src}/*.txt")
set(_dist_outputs)
foreach(txt IN LISTS _help_texts)
  get_filename_component(_name "${txt}" NAME)
  set(_out "${TALVIK_DIST_DIR}/帮助/${_name}")
  add_custom_command(OUTPUT "${_out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${TALVIK_DIST_DIR}/帮助"
    COMMAND sh -c "iconv -f UTF-8 -t GBK \"$0\" | sed 's/$/\\r/' > \"$1\"" "${txt}" "${_out}"
    DEPENDS "${txt}" VERBATIM)
  list(APPEND _dist_outputs "${_out}")
endforeach()

set(_sound_out "${TALVIK_DIST_DIR}/音效/设定.wav")
add_custom_command(OUTPUT "${_sound_out}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${TALVIK_DIST_DIR}/音效"
  COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_BINARY_DIR}/art/confirm.wav" "${_sound_out}"
  DEPENDS "${CMAKE_BINARY_DIR}/art/confirm.wav" VERBATIM)
list(APPEND _dist_outputs "${_sound_out}")

# Skins are drawn and packed by the native tree's host tools.
foreach(skin 白兰_mxp1 墨夜_dark)
  set(_packed "${CMAKE_SOURCE_DIR}/build/native/skins/${skin}.skn")
  set(_out "${TALVIK_DIST_DIR}/皮肤/${skin}.skn")
  add_custom_command(OUTPUT "${_out}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${TALVIK_DIST_DIR}/皮肤"
    COMMAND ${CMAKE_COMMAND} -E copy "${_packed}" "${_out}"
    DEPENDS "${_packed}" VERBATIM)
  list(APPEND _dist_outputs "${_out}")
endforeach()

add_custom_target(dist_files ALL DEPENDS ${_dist_outputs})
