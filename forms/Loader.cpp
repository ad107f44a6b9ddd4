#include "forms/Loader.h"

#include <set>

#include "forms/Form.h"
#include "forms/StdCtrls.h"

namespace forms {

void LoadContext::Fail(int line, const std::string& reason) const {
    throw LayoutError(resource_, line, reason);
}

int LoadContext::Int(const Property& p) const {
    if (auto v = std::get_if<std::int64_t>(&p.value)) return static_cast<int>(*v);
    Fail(p.line, p.key + " needs a number");
}

std::wstring LoadContext::Text(const Property& p) const {
    if (auto v = std::get_if<std::string>(&p.value)) return Widen(*v);
    Fail(p.line, p.key + " needs a string");
}

std::string LoadContext::Ident(const Property& p) const {
    if (auto v = std::get_if<Identifier>(&p.value)) return v->name;
    Fail(p.line, p.key + " needs a name");
}

bool LoadContext::Bool(const Property& p) const {
    return Choice(p, {"False", "True"}) == 1;
}

std::vector<std::string> LoadContext::Set(const Property& p) const {
    if (auto v = std::get_if<IdentifierSet>(&p.value)) return *v;
    Fail(p.line, p.key + " needs a set like [a, b]");
}

int LoadContext::Choice(const Property& p, std::initializer_list<const char*> names) const {
    const std::string v = Ident(p);
    int i = 0;
    for (const char* n : names) {
        if (v == n) return i;
        ++i;
    }
    Fail(p.line, "'" + v + "' is not a value of " + p.key);
}

COLORREF LoadContext::Color(const Property& p) const {
    if (auto v = std::get_if<std::int64_t>(&p.value)) {
        if (*v < 0 || *v > 0xFFFFFF) Fail(p.line, p.key + " is not a 0x00BBGGRR colour");
        return static_cast<COLORREF>(*v);
    }
    static const std::pair<const char*, COLORREF> named[] = {
        {"clBlack", 0x000000}, {"clWhite", 0xFFFFFF}, {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},  {"clBlue", 0xFF0000},  {"clYellow", 0x00FFFF},
        {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clSilver", 0xC0C0C0}};
    const std::string name = Ident(p);
    for (const auto& [n, c] : named)
        if (name == n) return c;
    if (name == "clWindowText") return GetSysColor(COLOR_WINDOWTEXT);
    if (name == "clBtnFace") return GetSysColor(COLOR_BTNFACE);
    Fail(p.line, "unknown colour '" + name + "'");
}

void LoadContext::LoadPicture(const Property& p, Picture& into) const {
    const std::string name = Ident(p);
    try {
        into.LoadResource(Widen(name));
    } catch (const std::exception&) {
        Fail(p.line, "bitmap resource '" + name + "' not found");
    }
}

void LoadContext::Bind(Component& c, const std::string& name, int line) {
    for (auto& f : bindings_.fields_) {
        if (f.name != name) continue;
        if (f.bound) Fail(line, "control '" + name + "' appears twice");
        if (!f.bind(&c)) Fail(line, "control '" + name + "' is not of the kind its field expects");
        f.bound = true;
    }
}

void LoadContext::CheckAllBound(int line) const {
    for (const auto& f : bindings_.fields_)
        if (!f.bound) Fail(line, "control '" + f.name + "' is missing");
}

namespace {

void ApplyProperties(Component& c, const LayoutNode& node, LoadContext& ctx) {
    for (const Property& p : node.properties)
        if (!c.SetProperty(p, ctx))
            ctx.Fail(p.line, "unknown property '" + p.key + "' for " + node.kind);
}

void CreateChildren(Form& form, WinControl& parent, const LayoutNode& node, LoadContext& ctx,
                    std::set<std::string>& names) {
    for (const LayoutNode& child : node.children) {
        if (!names.insert(child.name).second)
            ctx.Fail(child.line, "the name '" + child.name + "' is used twice");
        Component* made = nullptr;
        WinControl* container = nullptr;
        const std::string& k = child.kind;
        if (k == "TTimer") {
            if (&parent != &form) ctx.Fail(child.line, "a timer belongs to the form itself");
            made = form.AddTimer();
        } else if (k == "TLabel") made = parent.Add<Label>();
        else if (k == "TPaintBox") made = parent.Add<PaintBox>();
        else if (k == "TImage") made = parent.Add<Image>();
        else if (k == "TBevel") made = parent.Add<Bevel>();
        else if (k == "TPanel") made = container = parent.Add<Panel>();
        else if (k == "TBitBtn") made = parent.Add<BitBtn>();
        else if (k == "TMemo") made = parent.Add<Memo>();
        else ctx.Fail(child.line, "unknown control kind '" + k + "'");
        made->Name = Widen(child.name);
        ApplyProperties(*made, child, ctx);
        ctx.Bind(*made, child.name, child.line);
        if (!child.children.empty()) {
            if (!container) ctx.Fail(child.children.front().line, "a " + k + " cannot hold controls");
            CreateChildren(form, *container, child, ctx, names);
        }
    }
}

}  // namespace

void LoadForm(Form& form, const std::string& resource, const std::string& className,
              Bindings& bindings) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceA(module, resource.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found) throw LayoutError(resource, 0, "layout resource not found");
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    const std::string text(bytes, SizeofResource(module, found));

    const LayoutNode root = ParseLayout(text, resource);
    LoadContext ctx(resource, bindings);
    if (root.kind != className)
        ctx.Fail(root.line, "the layout is for " + root.kind + ", not " + className);
    form.Name = Widen(root.name);
    ApplyProperties(form, root, ctx);
    std::set<std::string> names{root.name};
    CreateChildren(form, form, root, ctx, names);
    ctx.Bind(form, root.name, root.line);
    ctx.CheckAllBound(root.line);
}

}  // namespace forms
