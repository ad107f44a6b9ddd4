list(APPEND ZAFRENA_LOGIC_SOURCES
    forms/Layout.cpp)
list(APPEND ZAFRENA_FORMS_SOURCES
    forms/Application.cpp
    forms/Control.cpp
    forms/Form.cpp
    forms/Loader.cpp
    forms/StdCtrls.cpp
    forms/Window.cpp)
