# Adding media: which inputs qualify (plain C++), and the queue that adds them.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MediaIntake.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/IntakeQueue.cpp
)
