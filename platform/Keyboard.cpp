#include "platform/Keyboard.h"

#include <QGuiApplication>
#include <QString>

namespace Keyboard {

bool CommandKey() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }
bool OptionKey() { return QGuiApplication::keyboardModifiers() & Qt::AltModifier; }
bool ShiftKey() { return QGuiApplication::keyboardModifiers() & Qt::ShiftModifier; }
bool AsyncCommandKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AsyncOptionKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }
bool AsyncShiftKey() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

bool isCommandW(const QString& key) { return CommandKey() && key.compare("w", Qt::CaseInsensitive) == 0; }

}  // namespace Keyboard
