#pragma once
#include <QNetworkInformation>
#include <QObject>

// Whether the internet connection is reachable, from the system's network
// information (NetworkManager on Linux). Only a connection known to be down
// counts as not reachable: without a network-information backend, or while the
// state is unknown, the app goes ahead and lets the request fail on its own.
class Reachability : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool reachable READ isReachable NOTIFY reachabilityChanged)
public:
    // The process-wide monitor of the internet connection.
    static Reachability *reachabilityForInternetConnection();

    explicit Reachability(QObject *parent = nullptr);

    bool isReachable() const { return reachable_; }
    static bool isReachable(QNetworkInformation::Reachability reachability);

    // Takes a new state from the backend; emits reachabilityChanged() when the answer flips.
    void updateReachability(QNetworkInformation::Reachability reachability);

Q_SIGNALS:
    void reachabilityChanged(bool reachable);

private:
    bool reachable_ = true;
};
