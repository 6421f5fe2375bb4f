#include "VQNetBaseScene.h"

#include "MMString.h"
#include "RunOnMain.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"

namespace {

// Puts the parameter into the list: replaces the value of an entry of the same name in place,
// else appends it.
void putParameter(VQNetBaseScene::ParameterList& list, const VQNetBaseScene::Parameter& parameter)
{
    for (VQNetBaseScene::Parameter& entry : list) {
        if (entry.first == parameter.first) {
            entry.second = parameter.second;
            return;
        }
    }
    list.append(parameter);
}

QString parameterText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("");
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    const QString text = value.toString();
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

VQNetBaseScene::VQNetBaseScene(const char* sceneName, VQApiConfig::Endpoint endpoint, const char* path,
                               Method method, ResultType resultType)
    : m_sceneName(QString::fromLatin1(sceneName))
    , m_endpoint(endpoint)
    , m_path(QString::fromLatin1(path))
    , m_method(method)
    , m_placement(method == Method::Get ? ParameterPlacement::Query : ParameterPlacement::FormBody)
    , m_resultType(resultType)
    , m_statusField(QString::fromLatin1(endpoint == VQApiConfig::Endpoint::AccountApi ? kAccountStatusField
                                                                                       : kApiStatusField))
    , m_messageField(QString::fromLatin1(kMessageField))
    , m_dataField(QString::fromLatin1(kDataField))
{
}

QString VQNetBaseScene::url() const
{
    return VQApiConfig::urlFor(m_endpoint, m_path);
}

void VQNetBaseScene::useCommonDeviceParameters()
{
    m_commonParametersLater = !mm::isMainThread();
    if (!m_commonParametersLater)
        m_commonParameters = commonDeviceParameters();
}

VQNetBaseScene::ParameterList VQNetBaseScene::parameters() const
{
    // The device record is main-thread state: off the main thread it is not read.
    ParameterList list = m_commonParametersLater && mm::isMainThread() ? commonDeviceParameters() : m_commonParameters;
    for (const Parameter& parameter : sceneParameters())
        putParameter(list, parameter);
    for (auto it = m_myParameters.constBegin(); it != m_myParameters.constEnd(); ++it)
        putParameter(list, {it.key(), parameterText(it.value())});
    return list;
}

void VQNetBaseScene::setHeader(const QByteArray& name, const QByteArray& value)
{
    for (Header& header : m_headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
            header.second = value;
            return;
        }
    }
    m_headers.append({name, value});
}

VQNetBaseScene::ParameterList VQNetBaseScene::commonDeviceParameters()
{
    VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
    const QString sn = record.sn();
    const QString mac = mm::vq_getMacAddress();
    return {
        {QString::fromLatin1(kVidKey), QString::number(record.vid())},
        {QString::fromLatin1(kPidKey), QString::number(record.pid())},
        {QString::fromLatin1(kSnKey), sn.isNull() ? QStringLiteral("") : sn},
        {QString::fromLatin1(kChannelNameKey), QString::fromLatin1(kChannelName)},
        {QString::fromLatin1(kMacAddrKey), mac.isNull() ? QStringLiteral("") : mac},
        {QString::fromLatin1(kClientVersionKey), QStringLiteral(VQ_APP_VERSION)},
    };
}
