# Warnings are errors for our own targets; Qt and other third-party headers come
# in as SYSTEM includes through their imported targets.
function(zn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
endfunction()

# One library per layer; sources are picked up from the layer's folder.
function(zn_layer name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  zn_warnings(${name})
endfunction()

# Links a layer to the layers and libraries it may use (cmake/check_layers.cmake
# reads these calls).
function(zn_link name)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()
