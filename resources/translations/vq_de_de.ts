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
        <translation>Back</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Phone number/e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Information cannot be empty</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Please enter your phone number or e-mail</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Please enter the password</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Forgot password</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Enter the password again</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>I have read and agree to the &lt;&lt;Corvane Privacy Policy&gt;&gt; and the &lt;&lt;Corvane User Service Agreement&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Please read and agree to the &lt;&lt;Corvane Privacy Policy&gt;&gt; and the &lt;&lt;Corvane User Service Agreement&gt;&gt; first</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Please enter the verification code</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Please confirm the password</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>The two passwords do not match</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Could not get a verification code</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Registration failed</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Reset password</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Password changed</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Could not change the password</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Send code</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s until resend</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Please log in</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Recharge</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Expires</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Could not get the user information</translation>
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
        <source>确定要删除语音指令</source>
        <translation>Sprachbefehl löschen</translation>
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
</context>
</TS>
