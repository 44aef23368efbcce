# Interface targets over wx-config, one per set of wx libraries. The toolkit's headers are
# system headers to us, so its warnings do not drown ours.
find_program(WX_CONFIG NAMES wx-config REQUIRED)

function(lumo_wx_target name libs)
  execute_process(COMMAND ${WX_CONFIG} --cxxflags ${libs}
                  OUTPUT_VARIABLE cxxflags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${WX_CONFIG} --libs ${libs}
                  OUTPUT_VARIABLE ldflags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(cxxflags UNIX_COMMAND "${cxxflags}")
  separate_arguments(ldflags UNIX_COMMAND "${ldflags}")
  add_library(${name} INTERFACE)
  foreach(flag IN LISTS cxxflags)
    if(flag MATCHES "^-I(.*)")
      target_include_directories(${name} SYSTEM INTERFACE "${CMAKE_MATCH_1}")
    elseif(flag MATCHES "^-D(.*)")
      target_compile_definitions(${name} INTERFACE "${CMAKE_MATCH_1}")
    else()
      target_compile_options(${name} INTERFACE "${flag}")
    endif()
  endforeach()
  target_link_libraries(${name} INTERFACE ${ldflags})
endfunction()
