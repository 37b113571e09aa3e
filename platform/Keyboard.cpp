#include "platform/Keyboard.h"

#include <QGuiApplication>

namespace Keyboard {

bool CommandKey() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }
bool OptionKey() { return QGuiApplication::keyboardModifiers() & Qt::AltModifier; }
bool ShiftKey() { return QGuiApplication::keyboardModifiers() & Qt::ShiftModifier; }
bool AsyncCommandKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AsyncOptionKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }
bool AsyncShiftKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

}  // namespace Keyboard
