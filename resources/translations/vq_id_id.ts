<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>mnt</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>j</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Mengerti</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>dtk</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Kesalahan sistem</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Deteksi otomatis</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Periksa koneksi jaringan Anda</translation>
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
