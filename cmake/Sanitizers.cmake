# The sanitizer build (make test-asan) runs the whole suite under ASan and UBSan.
function(bodger_sanitize target)
  if(BODGER_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
