# The start-up splash and the program's lifecycle.

# The splash's behaviour (QtCore only).
add_library(chromanick_splash STATIC
    splashmodel.cpp
    splashmodel.h
)
target_include_directories(chromanick_splash PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(chromanick_splash PUBLIC chromanick_platform chromanick_storage Qt6::Core)

# The splash window, the lifecycle and the program itself, once the main
# editor's window exists.
if(TARGET chromanick_editor)
    add_library(chromanick_app STATIC
        application.cpp
        application.h
        splashwindow.cpp
        splashwindow.h
    )
    target_link_libraries(chromanick_app
        PUBLIC chromanick_splash chromanick_widgets chromanick_gradient_window chromanick_links
               chromanick_reader_window)

    add_executable(chromanick main.cpp)
    target_link_libraries(chromanick PRIVATE chromanick_app)
endif()
