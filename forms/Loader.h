// Builds a form from its layout resource: creates the controls by kind,
// applies their properties, binds the window class's fields and handlers by
// name, and reports a malformed or incomplete layout with resource, line
// and reason.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "forms/Control.h"
#include "forms/Layout.h"

namespace forms {

class Picture;

// What a window class offers its layout: published fields and handlers.
class Bindings {
public:
    template <class C>
    Bindings& Field(std::string name, C*& ref) {
        fields_.push_back({std::move(name), [&ref](Component* c) {
                               ref = dynamic_cast<C*>(c);
                               return ref != nullptr;
                           }});
        return *this;
    }
    template <class T>
    Bindings& Handler(std::string name, T* self, void (T::*fn)(Component&)) {
        handlers_[name] = NotifyEvent([self, fn](Component& s) { (self->*fn)(s); });
        return *this;
    }
    template <class T>
    Bindings& Handler(std::string name, T* self,
                      void (T::*fn)(Component&, MouseButton, ShiftState, int, int)) {
        handlers_[name] = MouseEvent([self, fn](Component& s, MouseButton b, ShiftState st,
                                                int x, int y) { (self->*fn)(s, b, st, x, y); });
        return *this;
    }
    template <class T>
    Bindings& Handler(std::string name, T* self, void (T::*fn)(Component&, ShiftState, int, int)) {
        handlers_[name] = MouseMoveEvent(
            [self, fn](Component& s, ShiftState st, int x, int y) { (self->*fn)(s, st, x, y); });
        return *this;
    }
    template <class T>
    Bindings& Handler(std::string name, T* self, void (T::*fn)(Component&, wchar_t&)) {
        handlers_[name] = KeyPressEvent([self, fn](Component& s, wchar_t& k) { (self->*fn)(s, k); });
        return *this;
    }
    template <class T>
    Bindings& Handler(std::string name, T* self, void (T::*fn)(Component&, CloseAction&)) {
        handlers_[name] = CloseEvent([self, fn](Component& s, CloseAction& a) { (self->*fn)(s, a); });
        return *this;
    }

private:
    friend class LoadContext;
    struct FieldBinding {
        std::string name;
        std::function<bool(Component*)> bind;
        bool bound = false;
    };
    std::vector<FieldBinding> fields_;
    std::map<std::string, std::variant<NotifyEvent, MouseEvent, MouseMoveEvent, KeyPressEvent,
                                       CloseEvent>>
        handlers_;
};

// Reads property values for the controls, with errors that say where.
class LoadContext {
public:
    LoadContext(std::string resource, Bindings& bindings)
        : resource_(std::move(resource)), bindings_(bindings) {}

    [[noreturn]] void Fail(int line, const std::string& reason) const;
    const std::string& Resource() const { return resource_; }

    int Int(const Property& p) const;
    std::wstring Text(const Property& p) const;
    std::string Ident(const Property& p) const;
    bool Bool(const Property& p) const;
    std::vector<std::string> Set(const Property& p) const;
    COLORREF Color(const Property& p) const;  // 0x00BBGGRR number or clName
    // One of `names`, as its index.
    int Choice(const Property& p, std::initializer_list<const char*> names) const;
    void LoadPicture(const Property& p, Picture& into) const;

    template <class E>
    E Handler(const Property& p) const {
        const std::string name = Ident(p);
        auto it = bindings_.handlers_.find(name);
        if (it == bindings_.handlers_.end())
            Fail(p.line, "no handler named '" + name + "' for " + p.key);
        if (!std::holds_alternative<E>(it->second))
            Fail(p.line, "handler '" + name + "' does not fit " + p.key);
        return std::get<E>(it->second);
    }

    // Binds a created component to the field of its name, if there is one.
    void Bind(Component& c, const std::string& name, int line);
    void CheckAllBound(int line) const;

private:
    std::string resource_;
    Bindings& bindings_;
};

class Form;
// Reads the layout resource named `resource` (RCDATA) and builds `form` from it.
void LoadForm(Form& form, const std::string& resource, const std::string& className,
              Bindings& bindings);

}  // namespace forms
