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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc wird von einem anderen Programm belegt; klicken Sie auf den Effekt und drücken Sie dann Esc zum Beenden</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Countdown und Warnung</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 Minuten</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Eigene Dauer (Minuten)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Funktion der Sprachtaste</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Spracheingabe</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Sprachübersetzung</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Sprachsuche</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Zum Mikrofonmodus gewechselt</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Zum Suchmodus gewechselt</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Eingabeeinstellungen</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Mit Satzzeichen erkennen</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Tipp-Kompatibilitätsmodus</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Lange Spracherkennung</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Eingabesprache</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Kürzel für Spracheingabe</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Kürzel für Sprachübersetzung</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Kürzel für Sprachsuche</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Übersetzungseinstellungen</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Übersetzungssprachen</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Suchmaschine der Sprachsuche</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telefonnummer/E-Mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Angaben dürfen nicht leer sein</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Bitte Telefonnummer oder E-Mail eingeben</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Bitte Passwort eingeben</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Passwort vergessen</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Bestätigungscode</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Ich habe die &lt;&lt;Corvane Datenschutzerklärung&gt;&gt; und die &lt;&lt;Corvane Nutzungsvereinbarung&gt;&gt; gelesen und stimme zu</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Bitte zuerst die &lt;&lt;Corvane Datenschutzerklärung&gt;&gt; und die &lt;&lt;Corvane Nutzungsvereinbarung&gt;&gt; lesen und zustimmen</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Bitte Bestätigungscode eingeben</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Bitte Passwort bestätigen</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Die Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Bestätigungscode konnte nicht angefordert werden</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Registrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Passwort zurücksetzen</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Passwort geändert</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Passwort konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Code senden</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s bis zum erneuten Senden</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Bitte anmelden</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Frage eingeben</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Wird erstellt…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Aufladen</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Benutzerdaten konnten nicht abgerufen werden</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Befehlswörter</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Hotwords</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Befehl hinzufügen</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Sprachbefehl „%1“ löschen?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Nach dem Löschen funktioniert der Sprachbefehl nicht mehr!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Hier klicken, um Hotwords hinzuzufügen, eines pro Zeile</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Erstellen fehlgeschlagen</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Eigenen Befehl hinzufügen</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Fester Text</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Bitte vor dem Erstellen alles ausfüllen</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Befehlswort existiert bereits</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Bitte erneut vollständig ausfüllen und dann erstellen</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Bearbeiten fehlgeschlagen</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Pfad der Audiodatei eingeben…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Standard-Speicherort: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Transkription starten</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Transkription läuft, bitte warten...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Dauerlicht</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Lauflicht</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Händigkeit</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Linkshänder</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Rechtshänder</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Erinnerung bei niedrigem Akku</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Mein Gerät</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Aufnahmen automatisch löschen</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Anzeige bei Aufnahme aus</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Akku:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Über die KI-Maus</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Softwareversion:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmwareversion:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Versionshinweise </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Spracheingabe, Sprachübersetzung, Sprachsuche, Sprachsteuerung
Wortübersetzung, Bildschirmtexterkennung, Bildschirmübersetzung, Tastenmakros</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Gerät aktualisieren</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Empfänger aktualisieren</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Update abbrechen</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Falls das Gerät nach dem Update keine Verbindung herstellt, koppeln Sie es erneut</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Sie haben die neueste Version</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Update abgebrochen</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Ein Firmware-Update läuft. Beenden bricht es ab.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Update fortsetzen</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Update abbrechen und beenden</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Treiber zurücksetzen</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Gerät und Umgebung funktionieren normal. Bei Problemen wenden Sie sich an den Kundendienst</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Mit Gerät oder Umgebung stimmt etwas nicht. Bei Problemen wenden Sie sich an den Kundendienst</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Audio transkribieren</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Transkripte</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Mein Wortschatz</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Aufladeverlauf</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Verfügbare Minuten:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Aktuelles Passwort eingeben</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Neues Passwort eingeben</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Neues Passwort wiederholen</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Mit Code anmelden</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Mit Passwort anmelden</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Telefonnummer eingeben</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Code anfordern</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Code eingeben</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>und anmelden</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>KI-Kreativmodus öffnen</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Tastenfunktionen zurücksetzen</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Die Einstellungen können nicht gespeichert werden; Änderungen gehen beim nächsten Start verloren</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Nicht beschreibbar: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Ein anderes Programm verwendet die Sprachbefehl-Datenbank; Befehle werden später gespeichert</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Die Sprachbefehl-Datenbank war beschädigt und wurde neu angelegt</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Die alte Datei wurde aufbewahrt als: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Wird erkannt…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Kein nutzbarer Home-Ordner: Einstellungen und Protokolle werden nicht gespeichert</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Das KI-Fenster kann nicht geöffnet werden, wenn das Programm als root läuft</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Passwort nicht gespeichert: kein Schlüsselbund-Dienst verfügbar</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Passwort nicht gespeichert: der Schlüsselbund hat es nicht gespeichert</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Der Firmware-Download ist fehlgeschlagen; er wird bei der nächsten Prüfung wiederholt</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Keine Stimme für diese Sprache vorhanden; die Standardstimme liest vor</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Die ursprüngliche Einstellungsdatei konnte nicht kopiert werden; die unlesbaren Einstellungen bleiben vorerst in: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Die Sprachbefehl-Datenbank kann nicht verwendet werden; Befehle bleiben nur für diese Sitzung erhalten</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Die Datenbankdatei bleibt unverändert. Grund: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Die Tastenfunktionen konnten nicht geladen werden; sie werden beim nächsten Verbinden des Geräts oder Öffnen dieser Seite erneut abgerufen</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Kein Text erkannt</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Über den Smart Pen</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         Softwareversion: %2         Firmwareversion: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Update erfolgreich</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Befehl hinzufügen</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Gültig bis: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Die KI-Chatseite dieses Geräts ist noch nicht verfügbar. Ihre Fragen werden hier aufbewahrt; bitte prüfen Sie die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Die KI-Chatseite dieses Geräts ist noch nicht verfügbar. Ihre Fragen werden hier aufbewahrt; bitte verbinden Sie das Gerät und prüfen Sie die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>KI-Assistent</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>KI-Schreiben</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Aufnahme fehlgeschlagen</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Spracherkennung fehlgeschlagen</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Die Firmware-Datei ist ungültig; diese Version wird nicht erneut heruntergeladen</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Das Programm läuft bereits in einer anderen Ihrer Sitzungen. Verwenden Sie es dort, oder beenden Sie es zuerst dort.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Das Programm läuft bereits, reagiert aber nicht. Beenden Sie es und starten Sie es dann erneut.</translation>
    </message>
</context>
</TS>
