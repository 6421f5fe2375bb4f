<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>sa</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Anladım</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sn</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Sistem hatası</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Otomatik algıla</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Lütfen ağ bağlantınızı kontrol edin</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
</context>
</TS>
