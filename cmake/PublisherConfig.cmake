# The publisher's hosts, affiliate ids and page URLs are fixed at build time. Release builds
# and tests override them with -D; the ids below are placeholders of the right form.
set(ZEMBRIX_TAOBAO_HOST "www.taobao.com" CACHE STRING "Taobao web host")
set(ZEMBRIX_TAOBAO_PID "mm_10000000_0_0" CACHE STRING "Publisher's Alimama affiliate id")
set(ZEMBRIX_ALIMAMA_HOST "p.alimama.com" CACHE STRING "Host serving the Alimama widget script")
set(ZEMBRIX_DANGDANG_ID "P-100000" CACHE STRING "Publisher's Dangdang union id")
set(ZEMBRIX_DANGDANG_UNION_HOST "union.dangdang.com" CACHE STRING "Dangdang affiliate host")
set(ZEMBRIX_AMAZON_HOST "www.amazon.cn" CACHE STRING "Amazon China web host")
set(ZEMBRIX_AMAZON_TAG "zembrix-23" CACHE STRING "Publisher's Amazon associate tag")
set(ZEMBRIX_AMAZON_ADID "0000000000000000000" CACHE STRING "Publisher's Amazon ad id")
set(ZEMBRIX_UPDATE_URL "http://zembrix.example.com/" CACHE STRING "Publisher's home page")
set(ZEMBRIX_MENU_PAYLOAD_URL "" CACHE STRING "Payload page of the online menu entry (empty: none)")
set(ZEMBRIX_INFO_PAYLOAD_URL "" CACHE STRING "Payload page of the mini info window (empty: none)")

set(ZEMBRIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/publisher_config.h.in
               ${ZEMBRIX_GENERATED_DIR}/publisher_config.h @ONLY)
