# Files of this subsystem: Qt glue only.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PreviewPlayer.h
  ${CMAKE_CURRENT_LIST_DIR}/PreviewPlayer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormPreview.cpp
)
