# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PreviewPlayer.h
  ${CMAKE_CURRENT_LIST_DIR}/PreviewPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormPreview.cpp
)
