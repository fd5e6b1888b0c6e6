# The invariant checks shared by the fuzz targets and their regression tests
# (tests/fuzz): plain C++ over the readers, the renderer and the recording
# canvas. Included from both folders; defined once.
if(NOT TARGET sumimai_fuzz_checks)
  set(_checks ${CMAKE_CURRENT_LIST_DIR}/checks)
  add_library(sumimai_fuzz_checks STATIC
    ${_checks}/call_bounds.cpp
    ${_checks}/checked_canvas.cpp
    ${_checks}/checks.cpp
    ${_checks}/drawing_setup.cpp
    ${_checks}/library_checks.cpp
    ${_checks}/number_checks.cpp
    ${_checks}/page_checks.cpp
    ${_checks}/scratch_file.cpp
    ${_checks}/settings_checks.cpp
    ${_checks}/stroke_checks.cpp
    ${_checks}/text_checks.cpp
    ${_checks}/text_file_checks.cpp
    ${_checks}/trace_checks.cpp
  )
  file(GLOB _headers RELATIVE ${CMAKE_CURRENT_LIST_DIR} ${_checks}/*.h)
  sumimai_share_headers(sumimai_fuzz_checks ${_headers})
  target_link_libraries(sumimai_fuzz_checks PUBLIC sumimai_grading sumimai_playback sumimai_renderer sumimai_recording_canvas sumimai_data_files sumimai_library)
endif()
