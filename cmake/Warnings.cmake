# Warnings on our own code only; third-party headers come in as SYSTEM. They are errors where
# NETLOOM_WERROR asks for it (CI and the scripts).
function(netloom_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)
  if(NETLOOM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
