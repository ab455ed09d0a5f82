# Warnings are errors everywhere; core also refuses implicit narrowing.
function(gorlin_warnings target)
  set(flags -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
            -Woverloaded-virtual -Werror)
  if(ARGN STREQUAL "CORE")
    list(APPEND flags -Wconversion)
  endif()
  target_compile_options(${target} PRIVATE ${flags})
endfunction()
