# KT_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer. Undefined behaviour stops the program like an
# address error does, so a test that hits either fails.
if(KT_SANITIZE)
  set(kt_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
  add_compile_options(${kt_sanitize_flags})
  add_link_options(${kt_sanitize_flags})
endif()
