# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Platform.h
  ${CMAKE_CURRENT_LIST_DIR}/QtPlatform.cpp
)
