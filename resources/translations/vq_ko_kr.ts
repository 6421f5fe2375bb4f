<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>분</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>초</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>시스템 오류</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>자동 감지</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>네트워크를 확인하세요</translation>
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
