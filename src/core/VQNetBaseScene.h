#pragma once

#include "VQApiConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <QtGlobal>

#include <utility>

// The description of one request to the maker's services: address, method, parameters, headers,
// time-out, and how the result is read from the reply. Every endpoint is one subclass; callers
// fill in the subclass's fields and hand it to VQHttpRequestManager::httpRequestWithScene().
//
// Scenes that talk to the maker's API about the connected device carry the common device
// parameters (vendor and product id, serial number, channel name, MAC address, client version),
// read from the device record when the scene is made. Fields set on the subclass and the
// parameters set with setMyParameters() replace a common parameter of the same name.
//
// Scenes are plain values; the client copies what it needs, so a scene may be dropped as soon as
// it has been handed over. A scene made on another thread reads the common device parameters
// (main-thread state) only when the client builds the request on the main thread.
class VQNetBaseScene {
public:
    enum class Method { Get, Post };

    // How the result is read from the reply.
    enum class ResultType {
        // The whole reply object when its status field holds the success code.
        WholeReply = 1,
        // The reply's data member when its status field holds the success code.
        DataMember = 2,
        // Any 2xx answer is a success, whatever the body (a web page, not API JSON).
        HttpStatus = 3,
    };

    // Where the parameters travel.
    enum class ParameterPlacement {
        Query,    // percent-encoded in the URL's query
        FormBody, // an application/x-www-form-urlencoded body
    };

    using Parameter = std::pair<QString, QString>;
    using ParameterList = QList<Parameter>;
    using Header = std::pair<QByteArray, QByteArray>;

    // Names of the common device parameters, in the order they are sent.
    static constexpr char kVidKey[] = "vid";
    static constexpr char kPidKey[] = "pid";
    static constexpr char kSnKey[] = "sn";
    static constexpr char kChannelNameKey[] = "channelName";
    static constexpr char kMacAddrKey[] = "macAddr";
    static constexpr char kClientVersionKey[] = "clientversion";
    // The value of "channelName".
    static constexpr char kChannelName[] = "VQ";

    // Reply envelope of the maker's API.
    static constexpr char kApiStatusField[] = "code";
    // Reply envelope of the account API.
    static constexpr char kAccountStatusField[] = "statusCode";
    // Shared by both.
    static constexpr char kMessageField[] = "message";
    static constexpr char kDataField[] = "data";
    static constexpr qint64 kSuccessCode = 200;

    static constexpr int kDefaultTimeoutMs = 15000;

    virtual ~VQNetBaseScene() = default;

    // The class name, for log lines.
    QString sceneName() const { return m_sceneName; }
    // The address without query: the endpoint's base address and the path.
    QString url() const;
    Method method() const { return m_method; }
    ParameterPlacement parameterPlacement() const { return m_placement; }

    // What the request sends, in order: the common device parameters (when the scene uses
    // them), then the scene's own fields, then setMyParameters(); a later parameter of a name
    // already present replaces its value in place.
    ParameterList parameters() const;

    // Extra parameters set by the caller. Values are sent as text: a null value as "", a
    // boolean as "1" or "0", a number as its decimal text.
    QVariantMap myParameters() const { return m_myParameters; }
    void setMyParameters(const QVariantMap& parameters) { m_myParameters = parameters; }

    QList<Header> headers() const { return m_headers; }
    // Adds a header, or replaces one of the same name (compared without case).
    void setHeader(const QByteArray& name, const QByteArray& value);

    // The longest the whole request may take, from sending to the last byte of the answer.
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    ResultType resultType() const { return m_resultType; }
    QString statusField() const { return m_statusField; }
    qint64 successCode() const { return m_successCode; }
    QString messageField() const { return m_messageField; }
    QString dataField() const { return m_dataField; }

    // True when the request or its answer holds credentials (account, password, token): the
    // client then logs neither the query nor the answer.
    bool isSensitive() const { return m_sensitive; }

    // The common device parameters of the connected device, read now: "vid" and "pid" as
    // decimal numbers, "sn", "channelName" "VQ", "macAddr" and "clientversion"; a missing value
    // is sent as "".
    static ParameterList commonDeviceParameters();

protected:
    // The envelope is the maker's API's ("code", 200, "message", "data") or, for the account
    // endpoint, the account API's ("statusCode", 200, "message", "data").
    VQNetBaseScene(const char* sceneName, VQApiConfig::Endpoint endpoint, const char* path, Method method,
                   ResultType resultType);
    VQNetBaseScene(const VQNetBaseScene&) = default;
    VQNetBaseScene& operator=(const VQNetBaseScene&) = default;

    // The subclass's own fields, in the order they are sent.
    virtual ParameterList sceneParameters() const { return {}; }

    // Sends the common device parameters with this scene, read now on the main thread, else
    // when the request is built.
    void useCommonDeviceParameters();
    void setParameterPlacement(ParameterPlacement placement) { m_placement = placement; }
    void setSensitive(bool sensitive) { m_sensitive = sensitive; }

private:
    QString m_sceneName;
    VQApiConfig::Endpoint m_endpoint;
    QString m_path;
    Method m_method;
    ParameterPlacement m_placement;
    ResultType m_resultType;
    ParameterList m_commonParameters;
    bool m_commonParametersLater = false;
    QVariantMap m_myParameters;
    QList<Header> m_headers;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_statusField;
    qint64 m_successCode = kSuccessCode;
    QString m_messageField;
    QString m_dataField;
    bool m_sensitive = false;
};
