# The day-reading texts (unsei_tables.cpp) are written in UTF-8 and compiled to the CP932
# bytes the engine hands out. Source properties belong to the directory whose target
# compiles the file, so this is called for the engine's directory and for every test
# directory that compiles the file itself.
function(nuvaro_unsei_cp932_texts scope_dir)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/engine/src/unsei/unsei_tables.cpp
    DIRECTORY ${scope_dir} PROPERTIES COMPILE_OPTIONS -fexec-charset=CP932)
endfunction()
