#pragma once
// One copy of the program per data folder. The first copy holds a lock file
// in the data folder and listens on a local socket named after the folder; a
// second start finds the lock taken, asks the running copy to show its window
// and ends. Settings and scores are read, changed and written back a key at a
// time, so two copies writing the same folder would each throw the other's
// changes away; one copy never races with itself.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace tessaro::shell {

class InstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class Result {
        Owner,       ///< this copy holds the folder
        HandedOver,  ///< another copy runs there and was asked to show itself
        Unguarded,   ///< no lock could be made (the folder cannot take files)
    };

    explicit InstanceGuard(const QString& dataFolder, QObject* parent = nullptr);
    ~InstanceGuard() override;

    /// Takes the folder or hands over to the copy that has it.
    Result acquire();
    /// Called when a later start asks this copy to show itself.
    void setShowRequest(std::function<void()> show) { show_ = std::move(show); }

    /// The local socket name for a data folder (the same in every copy).
    static QString serverName(const QString& dataFolder);
    static QString lockFileName() { return QStringLiteral("tessaro.lock"); }

private:
    bool askRunningCopy();
    void listen();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    std::function<void()> show_;
};

}  // namespace tessaro::shell
