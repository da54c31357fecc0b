# The start-up splash and the program's lifecycle.

# The splash's behaviour (QtCore only).
add_library(chromanick_splash STATIC
    splashmodel.cpp
    splashmodel.h
)
target_include_directories(chromanick_splash PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(chromanick_splash PUBLIC chromanick_platform chromanick_storage Qt6::Core)
