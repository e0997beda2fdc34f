# Sources are UTF-8; every narrow string literal in the program is GBK (code page 936),
# because the program speaks to Windows through the ANSI ("A") functions.
function(zembrix_gbk_literals target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936)
  else()
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
  endif()
endfunction()
