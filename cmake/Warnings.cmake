# Warnings are errors on our own code only; third-party headers come in as SYSTEM.
function(netloom_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor)
endfunction()
