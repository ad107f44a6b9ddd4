// Our own symbol font, for systems whose "Wingdings" lacks the pictographs
// of codes 33 to 62 (Wine's has none of them).
#pragma once

#include <windows.h>

namespace forms {
class Screen;
}

namespace app {

// While it lives, "Wingdings" stands for the embedded "Zafrena Symbols"
// wherever the installed Wingdings cannot draw the table's symbols.
class SimbolosPropios {
public:
    explicit SimbolosPropios(forms::Screen& screen);
    ~SimbolosPropios();
    SimbolosPropios(const SimbolosPropios&) = delete;
    SimbolosPropios& operator=(const SimbolosPropios&) = delete;
    bool EnUso() const { return font_ != nullptr; }

    static bool WingdingsTieneLosSimbolos();

private:
    HANDLE font_ = nullptr;
};

}  // namespace app
