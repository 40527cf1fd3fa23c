#pragma once
// Control arrays: element 0 is the template placed on the window; load(i) makes element i as a
// sibling of the template (same parent) with the template's properties, hidden until shown.
// Elements carry their array name and index as the QObject properties "ControlName" and
// "ControlIndex" (and through setName/setIndex when the control has them); their objectName is the
// array name, as every element of an array shares its name. Asking for a missing element throws
// ZelkError.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <concepts>
#include <map>
#include <vector>

#include "platform/errors.h"

namespace zelk {

// Array name and index of a control; empty and -1 for a control that is in no array.
QString controlName(const QObject* control);
int controlIndex(const QObject* control);
void setControlNameAndIndex(QObject* control, const QString& name, int index);

// What a plain widget takes from its template: geometry, font, palette and the simple flags.
void copyWidgetProperties(QWidget& target, const QWidget& source);

template <class T>
concept KnowsArrayPlace = requires(T& a, const QString& n, int i) {
    a.setName(n);
    a.setIndex(i);
};

template <class T>
concept CopiesProperties = requires(T& a, const T& b) {
    a.copyPropertiesFrom(b);
};

template <class T>
class ControlArray {
    static_assert(std::derived_from<T, QWidget>, "control arrays hold widgets");

  public:
    // The template is owned by its parent widget, as every element is.
    ControlArray(QString name, T* templ) : name_(std::move(name)) {
        if (!templ)
            throw ZelkError(name_, QStringLiteral("控件数组没有模板元素"), kErrInvalidArgument);
        place(*templ, 0);
        elements_[0] = templ;
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const QString& name() const { return name_; }

    // Makes element `index` from the template. The index must be free and above 0.
    T& load(int index) {
        if (index <= 0)
            throw ZelkError(name_, QStringLiteral("控件数组下标 %1 无效").arg(index),
                            kErrInvalidArgument);
        if (exists(index))
            throw ZelkError(name_,
                            QStringLiteral("控件数组元素 %1(%2) 已经加载").arg(name_).arg(index),
                            kErrAlreadyLoaded);
        const T& templ = at(0);
        T* element = new T(templ.parentWidget());
        if constexpr (CopiesProperties<T>) {
            element->copyPropertiesFrom(templ);
        } else {
            copyWidgetProperties(*element, templ);
        }
        element->setVisible(false);  // hidden until shown, whatever the template is
        place(*element, index);
        elements_[index] = element;
        return *element;
    }

    // Loads the next element: 1, 2, 3 ... in load order (the array's Count while nothing is
    // unloaded; after an unload, still one above the highest so it never collides).
    T& loadNext() { return load(ubound() + 1); }

    // Destroys a loaded element; the template stays.
    void unload(int index) {
        if (index == 0)
            throw ZelkError(name_, QStringLiteral("不能卸载控件数组的模板元素"),
                            kErrInvalidArgument);
        T& element = at(index);
        elements_.erase(index);
        delete &element;
    }

    bool exists(int index) const {
        auto it = elements_.find(index);
        return it != elements_.end() && !it->second.isNull();
    }

    T& at(int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end() || it->second.isNull())
            throw ZelkError(name_,
                            QStringLiteral("控件数组元素 %1(%2) 不存在").arg(name_).arg(index),
                            kErrNoSuchElement);
        return *it->second;
    }
    T& operator[](int index) const { return at(index); }
    // The element or nullptr.
    T* find(int index) const { return exists(index) ? elements_.at(index).data() : nullptr; }

    // Number of elements, the template included.
    int count() const {
        int n = 0;
        for (const auto& [i, p] : elements_) n += p.isNull() ? 0 : 1;
        return n;
    }
    int lbound() const {
        for (const auto& [i, p] : elements_)
            if (!p.isNull()) return i;
        return 0;
    }
    int ubound() const {
        for (auto it = elements_.rbegin(); it != elements_.rend(); ++it)
            if (!it->second.isNull()) return it->first;
        return 0;
    }
    // Indices of the existing elements, ascending.
    std::vector<int> indices() const {
        std::vector<int> out;
        for (const auto& [i, p] : elements_)
            if (!p.isNull()) out.push_back(i);
        return out;
    }

  private:
    void place(T& element, int index) {
        setControlNameAndIndex(&element, name_, index);
        if constexpr (KnowsArrayPlace<T>) {
            element.setName(name_);
            element.setIndex(index);
        }
    }

    QString name_;
    std::map<int, QPointer<T>> elements_;
};

}  // namespace zelk
