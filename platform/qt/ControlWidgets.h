// The Qt widgets standing for each kind of control, and how a control's
// value, range and text are read from and written to them.
#pragma once

#include <string>

#include <QWidget>

#include "platform/Platform.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

// The part of a control's widget of type T: the widget itself or a child.
template <typename T>
T* part(const ControlRecord& record) {
    if (!record.widget) return nullptr;
    if (auto* self = qobject_cast<T*>(record.widget.data())) return self;
    return record.widget->findChild<T*>();
}

// Makes the widget of a new control under `parent`, wired so that the
// user's actions reach the control handler. The record is filled with what
// the widget does not hold itself.
QWidget* makeControlWidget(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent,
                           ControlRecord& record);

int32_t readValue(const ControlRecord& record);
void writeValue(ControlRecord& record, int32_t value);
int32_t readMinimum(const ControlRecord& record);
int32_t readMaximum(const ControlRecord& record);
void writeRange(ControlRecord& record, int32_t minimum, int32_t maximum);
std::string readText(const ControlRecord& record);
void writeText(ControlRecord& record, std::string_view text);
bool writeImage(ControlRecord& record, std::string_view file, std::string_view folder);

}  // namespace quendal::platform::qt
