<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Bitte Netzwerkverbindung prüfen</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Mauseinstellungen</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Smarte Einstellungen</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalisierung</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Smart-Pen-Einstellungen</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Hauptfenster öffnen</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Kein Gerät erkannt</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Stecken Sie den Empfänger in einen USB-Anschluss Ihres Computers oder verbinden Sie die Maus per Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Die Einstellungen öffnen sich, sobald das Gerät verbunden ist</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Akku schwach, bitte aufladen</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Einstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Diese Punkte bestimmen, welche Funktionen verfügbar sind</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Gerätezugriff</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Lesen und Schreiben der HID-Geräteknoten des Empfängers, um das Gerät zu verbinden und Tasten und Sprache zu empfangen</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Installieren Sie die mitgelieferte udev-Regel und stecken Sie den Empfänger erneut ein:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Der Barrierefreiheits-Bus des Desktops (AT-SPI), um erkannten Text direkt in Eingabefelder zu schreiben</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Installieren Sie at-spi2-core, schalten Sie die Barrierefreiheit in den Systemeinstellungen ein und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11-Sitzung</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Globale Tastenkürzel, simulierte Tasten, Eingabeüberwachung und Bildschirmfotos brauchen eine X11-Sitzung</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Wählen Sie im Anmeldebildschirm die X11-Sitzung (Xorg)</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Eingeschränkt</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>In einer Wayland-Sitzung wirken simulierte Tasten, globale Tastenkürzel, Eingabeüberwachung und Bildschirmfotos nur bei XWayland-Fenstern, nicht bei nativen Wayland-Fenstern; für alle Funktionen wählen Sie im Anmeldebildschirm die X11-Sitzung (Xorg)</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Erteilt</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Nicht erteilt</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Kein Empfänger gefunden</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Befehl kopieren</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Zusatzeinstellungen</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Einige Einstellungen konnten nicht gelesen werden und wurden auf die Standardwerte zurückgesetzt</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Die ursprüngliche Einstellungsdatei wurde gespeichert als: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Aufnahme fehlgeschlagen, bitte das Mikrofon prüfen</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Zu schnell gedrückt</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Bitte sprechen...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Keine Sprache gehört. Drücken Sie die Sprachtaste und sprechen Sie erneut</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Zum Tippmodus gewechselt</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Zum Übersetzungsmodus gewechselt</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Verbindung zum Server fehlgeschlagen, bitte Netzwerk prüfen</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Die Audiodatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Das Audio der Antwort kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Übersetzung fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Vorlesen nicht möglich: keine Sprachausgabe oder kein Audioausgabegerät</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Die Audiodatei kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Der Browser kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Kein markierter Text erhalten</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Erkannter Text</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Auswahl übersetzen</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Bildschirmfoto übersetzen</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Das Bildschirmfoto-Kürzel wird von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Bildschirmaufnahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Das KI-Fenster kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>%1% heruntergeladen</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export abgeschlossen</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Download fehlgeschlagen, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Export fehlgeschlagen, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc wird von einem anderen Programm belegt; Modus wechseln, um den Stift zu beenden</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Der Bildschirm kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Hardware-Laser</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Digitaler Lichtpunkt</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Zum Bildschirmübertragungsmodus gewechselt</translation>
    </message>
</context>
</TS>
