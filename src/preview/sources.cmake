# Files of this subsystem: plain C++ rules, then Qt glue.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PreviewPlayer.h
  ${CMAKE_CURRENT_LIST_DIR}/MainFormPreview.cpp
)
