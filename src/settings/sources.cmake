# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Preferences.cpp
)
