// Loading URLs over Qt Network, with plain callbacks.
#include <algorithm>
#include <map>

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

namespace {

UrlErrorKind kindOf(QNetworkReply::NetworkError error) {
    switch (error) {
        case QNetworkReply::ConnectionRefusedError: return UrlErrorKind::CannotConnect;
        case QNetworkReply::RemoteHostClosedError: return UrlErrorKind::ConnectionLost;
        case QNetworkReply::HostNotFoundError: return UrlErrorKind::HostNotFound;
        // The transfer time-out ends the reply as cancelled; the layer's
        // own cancel drops the callbacks before it aborts.
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError: return UrlErrorKind::TimedOut;
        case QNetworkReply::SslHandshakeFailedError: return UrlErrorKind::SecureConnectionFailed;
        case QNetworkReply::ProtocolUnknownError:
        case QNetworkReply::ProtocolInvalidOperationError: return UrlErrorKind::BadUrl;
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError: return UrlErrorKind::ConnectionLost;
        default: return UrlErrorKind::Other;
    }
}

// Content errors (4xx) and server errors (5xx) come with an HTTP answer:
// they are answers, not failures to load. Any other error is a failure,
// also one that Qt reports under a successful status: a body that could
// not be decoded (a broken compressed body) or was cut short.
bool isHttpAnswer(QNetworkReply* reply) {
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError) return true;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() < 400) return false;
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

// bytes a reply holds for us: the connection reads no further from the
// server until we have taken them, so an endless body costs about this much
// memory, and each pass of the event loop has about this much to hand on
constexpr qint64 kReadBufferBytes = 512 * 1024;

int timerMs(double seconds) { return int(std::clamp(seconds * 1000.0, 1.0, 2.0e9)); }

std::string suggestedName(QNetworkReply* reply) {
    const QString disposition = QString::fromLatin1(reply->rawHeader("Content-Disposition"));
    const qsizetype at = disposition.indexOf(QLatin1String("filename="), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        QString name = disposition.mid(at + 9).section(QLatin1Char(';'), 0, 0).trimmed();
        if (name.startsWith(QLatin1Char('"'))) name = name.mid(1).section(QLatin1Char('"'), 0, 0);
        name = name.section(QLatin1Char('/'), -1);  // a name, never a path
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")) return name.toStdString();
    }
    const QString last = reply->url().fileName();
    return last.isEmpty() ? std::string("download") : last.toStdString();
}

class QtNetwork : public NetworkService {
public:
    UrlLoadId start(const UrlLoadRequest& request, UrlLoadCallbacks callbacks) override {
        const UrlLoadId id = next_++;
        Load& load = loads_[id];
        load.callbacks = std::move(callbacks);
        const QUrl url(QString::fromStdString(request.url), QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
                               scheme != QLatin1String("file"))) {
            // Reported from the event loop, as every callback is.
            QTimer::singleShot(0, manager(), [this, id] { fail(id, {UrlErrorKind::BadUrl, "Not a URL that can be loaded"}); });
            return id;
        }
        QNetworkRequest networkRequest(url);
        networkRequest.setTransferTimeout(int(std::max(1.0, request.timeoutSeconds * 1000.0)));
        QNetworkReply* reply = manager()->get(networkRequest);
        reply->setReadBufferSize(kReadBufferBytes);
        load.reply = reply;
        load.limits = request.limits;
        // Our connections and timers hang on a watcher of the reply's own,
        // so that a cancel can end ours alone: Qt's own connections of the
        // reply carry the abort to the transfer, which then frees its
        // buffers.
        auto* watcher = new QObject(reply);
        load.watcher = watcher;
        QObject::connect(reply, &QNetworkReply::metaDataChanged, watcher, [this, id] { checkAnnouncedLength(id); });
        QObject::connect(reply, &QNetworkReply::readyRead, watcher, [this, id] { deliverData(id); });
        QObject::connect(reply, &QNetworkReply::finished, watcher, [this, id] { end(id); });
        watchPace(id, watcher);
        return id;
    }

    void cancel(UrlLoadId id) override {
        const auto it = loads_.find(id);
        if (it == loads_.end()) return;
        QPointer<QNetworkReply> reply = it->second.reply;
        QPointer<QObject> watcher = it->second.watcher;
        loads_.erase(it);
        if (reply) {
            if (watcher) reply->disconnect(watcher);
            // A reply that has ended or answered with an error status needs
            // no abort (a second error would be reported for it).
            if (!reply->isFinished() && reply->error() == QNetworkReply::NoError) reply->abort();
            reply->deleteLater();
        }
    }

    void cancelAll() {
        while (!loads_.empty()) cancel(loads_.begin()->first);
        delete manager_.data();
    }

private:
    struct Load {
        QPointer<QNetworkReply> reply;
        QPointer<QObject> watcher;  // the receiver of our connections of the reply, and the limits' timers
        UrlLoadCallbacks callbacks;
        bool answered = false;
        UrlLoadLimits limits;
        int64_t received = 0;       // bytes of the body so far
        int64_t receivedAtLook = 0; // ... at the last look at the pace
    };

    // The timers of a load's limits go with its watcher.
    void watchPace(UrlLoadId id, QObject* watcher) {
        const UrlLoadLimits& limits = loads_[id].limits;
        if (limits.minBytes > 0 && limits.minBytesSeconds > 0.0) {
            auto* pace = new QTimer(watcher);
            pace->setInterval(timerMs(limits.minBytesSeconds));
            QObject::connect(pace, &QTimer::timeout, watcher, [this, id] { lookAtPace(id); });
            pace->start();
        }
        if (limits.maxSeconds > 0.0) {
            QTimer::singleShot(timerMs(limits.maxSeconds), watcher, [this, id] {
                Load* load = find(id);
                if (load == nullptr) return;
                giveUp(id, {UrlErrorKind::TimedOut, "The load did not end within " +
                                                        std::to_string(int64_t(load->limits.maxSeconds)) + " s"});
            });
        }
    }

    void lookAtPace(UrlLoadId id) {
        Load* load = find(id);
        if (load == nullptr) return;
        const int64_t brought = load->received - load->receivedAtLook;
        load->receivedAtLook = load->received;
        if (brought < load->limits.minBytes)
            giveUp(id, {UrlErrorKind::TimedOut, "Less than " + std::to_string(load->limits.minBytes) +
                                                    " bytes arrived in " +
                                                    std::to_string(int64_t(load->limits.minBytesSeconds)) + " s"});
    }

    bool overLimit(const Load& load, int64_t bytes) const {
        return load.limits.maxBytes >= 0 && bytes > load.limits.maxBytes;
    }

    // A body announced larger than the limit is refused with the headers,
    // before any of it arrives; a redirection's own length does not count.
    void checkAnnouncedLength(UrlLoadId id) {
        Load* load = find(id);
        if (load == nullptr || !load->reply) return;
        const int status = load->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300 && status < 400) return;
        const QVariant length = load->reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && overLimit(*load, length.toLongLong()))
            giveUp(id, {UrlErrorKind::TooLarge,
                        "The answer is announced larger than " + std::to_string(load->limits.maxBytes) + " bytes"});
    }

    // Stops the load and reports the failure.
    void giveUp(UrlLoadId id, const UrlError& error) {
        Load* load = find(id);
        if (load == nullptr) return;
        const auto callback = load->callbacks.failed;
        cancel(id);
        if (callback) callback(error);
    }

    QNetworkAccessManager* manager() {
        if (!manager_) manager_ = new QNetworkAccessManager(QCoreApplication::instance());
        return manager_;
    }

    Load* find(UrlLoadId id) {
        const auto it = loads_.find(id);
        return it != loads_.end() ? &it->second : nullptr;
    }

    // The answer, once, before the first bytes. A callback may cancel the
    // load: every step looks it up again.
    bool deliverResponse(UrlLoadId id) {
        Load* load = find(id);
        if (load == nullptr || !load->reply) return false;
        if (load->answered) return true;
        load->answered = true;
        QNetworkReply* reply = load->reply;
        UrlResponse response;
        response.url = reply->url().toString().toStdString();
        response.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        response.expectedLength = length.isValid() ? length.toLongLong() : -1;
        response.mimeType = reply->header(QNetworkRequest::ContentTypeHeader).toString().section(QLatin1Char(';'), 0, 0).trimmed().toStdString();
        response.suggestedFilename = suggestedName(reply);
        const auto callback = load->callbacks.response;
        if (callback) callback(response);
        return find(id) != nullptr;
    }

    void deliverData(UrlLoadId id) {
        Load* load = find(id);
        if (load == nullptr || !load->reply) return;
        // Bytes of an error page before its status is known are held back
        // until the end decides what the reply is.
        if (load->reply->error() != QNetworkReply::NoError && !isHttpAnswer(load->reply)) return;
        if (!deliverResponse(id)) return;
        load = find(id);
        const QByteArray bytes = load->reply->readAll();
        if (bytes.isEmpty()) return;
        load->received += bytes.size();
        if (overLimit(*load, load->received)) {
            giveUp(id, {UrlErrorKind::TooLarge,
                        "The answer grew larger than " + std::to_string(load->limits.maxBytes) + " bytes"});
            return;
        }
        const auto callback = load->callbacks.data;
        if (callback) callback(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    }

    void end(UrlLoadId id) {
        Load* load = find(id);
        if (load == nullptr || !load->reply) return;
        QNetworkReply* reply = load->reply;
        if (!isHttpAnswer(reply)) {
            fail(id, {kindOf(reply->error()), reply->errorString().toStdString()});
            return;
        }
        deliverData(id);
        if (!deliverResponse(id)) return;  // a body-less answer still answers
        load = find(id);
        const auto callback = load->callbacks.finished;
        forget(id);
        if (callback) callback();
    }

    void fail(UrlLoadId id, const UrlError& error) {
        Load* load = find(id);
        if (load == nullptr) return;
        const auto callback = load->callbacks.failed;
        forget(id);
        if (callback) callback(error);
    }

    void forget(UrlLoadId id) {
        const auto it = loads_.find(id);
        if (it == loads_.end()) return;
        if (it->second.reply) it->second.reply->deleteLater();
        loads_.erase(it);
    }

    QPointer<QNetworkAccessManager> manager_;
    std::map<UrlLoadId, Load> loads_;
    UrlLoadId next_ = 1;
};

QtNetwork gNetwork;

}  // namespace

NetworkService& layerNetwork() { return gNetwork; }

void stopAllLoads() { gNetwork.cancelAll(); }

}  // namespace quendal::platform::qt
