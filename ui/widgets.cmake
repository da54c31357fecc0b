# The help messages and web links: QtCore only, shared by both editors.
add_library(chromanick_links STATIC weblinks.cpp weblinks.h)
target_link_libraries(chromanick_links PUBLIC chromanick_platform)

# Fitting captions to the controls' designed sizes, shared by every window.
add_library(chromanick_textfit STATIC
    textfit.cpp textfit.h
    wrappingcheckbox.cpp wrappingcheckbox.h
)
target_include_directories(chromanick_textfit PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(chromanick_textfit PUBLIC Qt6::Widgets)

# The desktop side of the shell: the Qt platform layer, the about window and,
# once the editor model exists, the main editor window.
add_library(chromanick_widgets STATIC
    aboutwindow.cpp aboutwindow.h
    clickablelabel.cpp clickablelabel.h
    fonts.cpp fonts.h
    picture.cpp picture.h
    prerendered.cpp prerendered.h
    qtplatform.cpp qtplatform.h
    svgpicture.cpp svgpicture.h
    widgetcolours.cpp widgetcolours.h
)
target_link_libraries(chromanick_widgets
    PUBLIC chromanick_links chromanick_platform chromanick_textfit Qt6::Widgets Qt6::Svg)
# The artwork; without it the pictures fall back to drawn text.
if(TARGET chromanick_assets)
    target_link_libraries(chromanick_widgets PUBLIC chromanick_assets)
endif()
if(TARGET chromanick_editor)
    target_sources(chromanick_widgets PRIVATE
        decorationbox.cpp decorationbox.h
        emoticonpanel.cpp emoticonpanel.h
        mainwindow.cpp mainwindow.h
        mainwindowbuild.cpp
        mainwindowsync.cpp
        paletteframe.cpp paletteframe.h
        previewlabel.cpp previewlabel.h
    )
    target_link_libraries(chromanick_widgets PUBLIC chromanick_editor)
endif()
