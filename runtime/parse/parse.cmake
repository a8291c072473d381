# The parser tables: bison runs on the build host for every build and writes
# only the tables (parse/tables.m4) and the table of the tree builder's rule
# routines that the grammar's actions name; TParser is the driver.
find_program(BISON_EXECUTABLE bison REQUIRED)
set(QEL_PARSER_TABLES ${CMAKE_CURRENT_BINARY_DIR}/parse/qel_tables.h)
set(QEL_RULE_ROUTINES ${CMAKE_CURRENT_BINARY_DIR}/parse/qel_rule_routines.h)
add_custom_command(OUTPUT ${QEL_PARSER_TABLES} ${QEL_RULE_ROUTINES}
  COMMAND ${BISON_EXECUTABLE} -Wall -Werror
          --skeleton=${CMAKE_CURRENT_SOURCE_DIR}/parse/tables.m4
          -o ${QEL_PARSER_TABLES} ${CMAKE_CURRENT_SOURCE_DIR}/parse/qel.y
  DEPENDS parse/qel.y parse/tables.m4
  COMMENT "Generating the parser tables from qel.y"
  VERBATIM)
foreach(lib qelrt16 qelrt8)
  target_sources(${lib} PRIVATE ${QEL_PARSER_TABLES} ${QEL_RULE_ROUTINES})
  target_include_directories(${lib} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/parse)
endforeach()
