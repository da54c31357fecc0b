# The gradient algorithm and its preset schemes; QtCore only.
add_library(chromanick_gradient STATIC
    ${CMAKE_CURRENT_LIST_DIR}/gradient.cpp
)
target_link_libraries(chromanick_gradient PUBLIC chromanick_core Qt6::Core)
# The smooth gradient: colour stops interpolated in OKLab.
target_sources(chromanick_gradient PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/oklab.cpp
    ${CMAKE_CURRENT_LIST_DIR}/smooth.cpp
)
