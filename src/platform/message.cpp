#include "platform/message.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageHandler& currentHandler()
{
    static MessageHandler handler = [](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
    };
    return handler;
}

} // namespace

void showMessage(const QString& text)
{
    currentHandler()(text);
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return old;
}
