# Each folder of src/ is one library: a layer. A layer's include directory holds nothing but a
# link to its own folder, so code sees the headers of its own layer and of the layers it links,
# and an include of any other layer does not compile. Link a layer PUBLIC where its headers
# include the other's, PRIVATE where only its sources do.
#
#   netloom_layer(<folder> SOURCES <files> [PUBLIC <targets>] [PRIVATE <targets>])
#
# makes the library netloom_<folder>.
function(netloom_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  add_library(netloom_${folder} STATIC ${arg_SOURCES})
  target_include_directories(netloom_${folder} PUBLIC ${root})
  target_link_libraries(netloom_${folder} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
  netloom_warnings(netloom_${folder})
endfunction()
