#include "app/SimbolosPropios.h"

#include <string>

#include "forms/Application.h"
#include "forms/Gdi.h"

namespace app {

namespace {
constexpr wchar_t kFamilia[] = L"Zafrena Symbols";
}

bool SimbolosPropios::WingdingsTieneLosSimbolos() {
    LOGFONTW lf{};
    lf.lfHeight = -21;
    lf.lfCharSet = SYMBOL_CHARSET;
    lstrcpyW(lf.lfFaceName, L"Wingdings");
    forms::FontHandle font(CreateFontIndirectW(&lf));
    forms::ScreenDC dc;
    forms::SelectGuard sel(dc.Get(), font.Get());
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc.Get(), LF_FACESIZE, face);
    if (lstrcmpiW(face, L"Wingdings") != 0) return false;
    // A symbol font maps its codes at U+F0xx; either form must have a glyph.
    for (wchar_t c = 33; c <= 62; ++c) {
        const wchar_t forms[2] = {c, static_cast<wchar_t>(0xF000 + c)};
        WORD idx[2] = {0xFFFF, 0xFFFF};
        GetGlyphIndicesW(dc.Get(), forms, 2, idx, GGI_MARK_NONEXISTING_GLYPHS);
        const bool ok = (idx[0] != 0xFFFF && idx[0] != 0) || (idx[1] != 0xFFFF && idx[1] != 0);
        if (!ok) return false;
    }
    return true;
}

SimbolosPropios::SimbolosPropios(forms::Screen& screen) {
    if (WingdingsTieneLosSimbolos()) return;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, L"ZAFRENASYMBOLS", MAKEINTRESOURCEW(10));
    if (!found) return;
    void* bytes = LockResource(LoadResource(module, found));
    DWORD count = 0;
    font_ = AddFontMemResourceEx(bytes, SizeofResource(module, found), nullptr, &count);
    if (font_) screen.SubstituteFace(L"Wingdings", {kFamilia, SYMBOL_CHARSET});
}

SimbolosPropios::~SimbolosPropios() {
    if (font_) RemoveFontMemResourceEx(font_);
}

}  // namespace app
