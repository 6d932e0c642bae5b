# Files of this subsystem: plain C++ rules, then Qt glue.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridColours.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGrid.h
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridDelegate.h
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BalloonTip.h
  ${CMAKE_CURRENT_LIST_DIR}/BalloonTip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CollapsibleSection.h
  ${CMAKE_CURRENT_LIST_DIR}/CollapsibleSection.cpp
)
