# Included by server/CMakeLists.txt: the question bank goes to server-data/bank/ next to the
# binaries, and its media are made into server-data/media/.
set(BRINDLE_BANK_DIR ${CMAKE_BINARY_DIR}/server-data/bank)
file(GLOB _bank_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bank/questions/*.jsonl)
set(_bank_stamp ${CMAKE_CURRENT_BINARY_DIR}/bank.stamp)
add_custom_command(OUTPUT ${_bank_stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BRINDLE_BANK_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${_bank_files} ${BRINDLE_BANK_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${_bank_stamp}
    DEPENDS ${_bank_files}
    COMMENT "Copying the question bank to ${BRINDLE_BANK_DIR}"
    VERBATIM)
add_custom_target(brindle_server_bank ALL DEPENDS ${_bank_stamp})

add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/media-gen ${CMAKE_CURRENT_BINARY_DIR}/media-gen)
add_dependencies(brindle-server brindle_server_bank brindle_server_media)
