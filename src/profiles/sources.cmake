# Files of this subsystem: plain C++ rules, then Qt glue.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProfileModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileCheck.cpp
)
