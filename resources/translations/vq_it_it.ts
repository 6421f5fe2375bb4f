<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="zh_CN">
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
        <translation>Ho capito</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Errore di sistema</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Rilevamento automatico</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Controlla la connessione di rete</translation>
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
        <translation>Impostazioni mouse</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Impostazioni smart</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalizzazione</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Impostazioni puntatore</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Apri finestra principale</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Guida introduttiva</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Autorizzazioni</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Nessun dispositivo rilevato</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Collega il ricevitore a una porta USB del computer oppure collega il mouse via Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Le impostazioni si aprono da sole quando il dispositivo è collegato</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Batteria scarica, ricaricala</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Lingua dell'interfaccia</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Avvia all'accesso</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Impostazione non riuscita</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Queste voci determinano quali funzioni sono disponibili</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Accesso al dispositivo</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Lettura e scrittura dei nodi HID del ricevitore, per collegare il dispositivo e ricevere tasti e voce</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Installa la regola udev fornita con il programma, poi ricollega il ricevitore:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accessibilità</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Il bus di accessibilità del desktop (AT-SPI), per scrivere il testo riconosciuto direttamente nei campi</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Installa at-spi2-core, attiva l'accessibilità nelle impostazioni di sistema e accedi di nuovo</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Sessione X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Scorciatoie globali, tasti simulati, monitoraggio dell'input e screenshot richiedono una sessione X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Scegli la sessione X11 (Xorg) nella schermata di accesso</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limitato</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>In una sessione Wayland, tasti simulati, scorciatoie globali, monitoraggio dell'input e screenshot funzionano solo con le finestre XWayland, non con le finestre Wayland native; per tutte le funzioni, scegli la sessione X11 (Xorg) nella schermata di accesso</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Concesso</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Non concesso</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Nessun ricevitore trovato</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Verifica in corso</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copia comando</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Impostazioni ausiliarie</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Alcune impostazioni non sono state lette e sono state ripristinate ai valori predefiniti</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Il file di impostazioni originale è stato conservato come: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Registrazione non riuscita, controlla il microfono</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Premuto troppo velocemente</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Parla pure...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Nessuna voce rilevata. Premi il tasto vocale e riprova</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Passato alla modalità digitazione</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Passato alla modalità traduzione</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Connessione al server non riuscita, controlla la rete</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Impossibile leggere il file audio</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Impossibile riprodurre l'audio della risposta</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Incolla non riuscito</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Traduzione non riuscita</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Impossibile leggere ad alta voce: nessun motore vocale o dispositivo di uscita audio</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Impossibile riprodurre l'audio</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossibile aprire il browser</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Nessun testo selezionato ottenuto</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Copia non riuscita</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Testo riconosciuto</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traduci selezione</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Traduci screenshot</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>La scorciatoia dello screenshot è usata da un altro programma</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Acquisizione dello schermo non riuscita</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Impossibile aprire la finestra IA</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Dispositivo non connesso</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Scaricato %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Esportazione completata</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Download non riuscito, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Esportazione non riuscita, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc è usato da un altro programma; fai clic sull’effetto, poi premi Esc per uscire</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Impossibile leggere lo schermo</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Laser fisico</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Evidenzia</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Punto luce digitale</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Passato alla modalità trasmissione schermo</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>Conto alla rovescia e avviso</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minuti</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Durata personalizzata (minuti)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Funzione del tasto vocale</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Digitazione vocale</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traduzione vocale</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Ricerca vocale</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Passato alla modalità microfono</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Passato alla modalità ricerca</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Impostazioni di input</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Riconosci con punteggiatura</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Modalità di digitazione compatibile</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Riconoscimento vocale lungo</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Lingua di input</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Scorciatoia dettatura vocale</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Scorciatoia traduzione vocale</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Scorciatoia ricerca vocale</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Impostazioni di traduzione</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Lingue di traduzione</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Motore di ricerca vocale</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Telefono/e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Le informazioni non possono essere vuote</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Inserisci il numero di telefono o l'e-mail</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Ricorda password</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Password dimenticata</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Accesso eseguito</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Accesso non riuscito</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Codice di verifica</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Ripeti la password</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Ho letto e accetto l'&lt;&lt;Informativa sulla privacy Corvane&gt;&gt; e il &lt;&lt;Contratto di servizio Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Leggi e accetta prima l'&lt;&lt;Informativa sulla privacy Corvane&gt;&gt; e il &lt;&lt;Contratto di servizio Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Inserisci il codice di verifica</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Conferma la password</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Le due password non coincidono</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Impossibile ottenere il codice di verifica</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Registrazione non riuscita</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Reimposta password</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Password modificata</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Impossibile modificare la password</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Invia codice</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s al nuovo invio</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Accedi prima</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Scrivi la tua domanda</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Generazione in corso…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Impossibile ottenere le informazioni dell'utente</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Parole di comando</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Aggiungi comando</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Eliminare il comando vocale "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>Dopo l'eliminazione il comando vocale non funzionerà più!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Fai clic qui per aggiungere parole chiave, una per riga</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Creazione non riuscita</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Aggiungi comando personalizzato</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Pagina web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Testo fisso</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Completa il modulo prima di creare</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>La parola di comando esiste già</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>File o cartella non trovati</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Compila di nuovo il modulo prima di creare</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Inserisci il percorso del file audio…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Percorso di salvataggio predefinito: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Avvia trascrizione</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Trascrizione in corso, attendere...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Fisso</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Scorrimento</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Mancino</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Destrorso</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Avviso batteria scarica</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Il mio dispositivo</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Elimina registrazioni automaticamente</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Spia spenta durante la registrazione</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Batteria:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Versione </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Numero di serie:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Informazioni sul mouse IA</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Versione software:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Versione firmware:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Note di versione </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Digitazione vocale, traduzione vocale, ricerca vocale, controllo vocale
Traduzione di parole, riconoscimento screenshot, traduzione screenshot, macro dei tasti</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Aggiorna dispositivo</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Aggiorna ricevitore</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Annulla aggiornamento</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Se il dispositivo non si connette dopo l'aggiornamento, associalo di nuovo</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Hai la versione più recente</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Aggiornamento non riuscito</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Aggiornamento annullato</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>È in corso un aggiornamento del firmware. Uscire lo interrompe.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Continua l'aggiornamento</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Annulla ed esci</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
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
        <translation>Verifica</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Reimposta driver</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Il dispositivo e l'ambiente funzionano normalmente. In caso di problemi contatta l'assistenza clienti</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>C'è un problema con il dispositivo o l'ambiente. In caso di problemi contatta l'assistenza clienti</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Trascrivi audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Trascrizioni</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Il mio vocabolario</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Cronologia ricariche</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Minuti disponibili:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Inserisci la password attuale</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Inserisci la nuova password</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Ripeti la nuova password</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Accedi con codice</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Accedi con password</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Inserisci il telefono</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Ottieni codice</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Inserisci il codice</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Scansiona</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>per accedere</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Entra nella creazione IA</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Ripristina funzioni dei tasti</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Impossibile salvare le impostazioni; le modifiche andranno perse al prossimo avvio</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Impossibile scrivere: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Un altro programma sta usando il database dei comandi vocali; i comandi verranno salvati più tardi</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>Il database dei comandi vocali era danneggiato ed è stato ricreato</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Il vecchio file è stato conservato come: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Riconoscimento…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Nessuna cartella home utilizzabile: impostazioni e registri non verranno salvati</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>La finestra IA non può essere aperta durante l'esecuzione come root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Impossibile ricordare la password: nessun servizio portachiavi disponibile</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Impossibile ricordare la password: il portachiavi non l'ha salvata</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Il download del firmware non è riuscito; verrà ritentato al prossimo controllo</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Nessuna voce legge questa lingua; è stata usata la voce predefinita</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Non è stato possibile copiare il file di impostazioni originale; le impostazioni illeggibili restano per ora in: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>Il database dei comandi vocali non è utilizzabile; i comandi sono conservati solo per questa sessione</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Il file del database viene lasciato com’è. Motivo: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Impossibile caricare le funzioni dei tasti; verranno recuperate di nuovo alla prossima connessione del dispositivo o apertura di questa pagina</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Nessun testo riconosciuto</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Informazioni sul puntatore</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>S/N: %1         Versione software: %2         Versione firmware: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Aggiornamento completato</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Aggiungi comando</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Scadenza: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>La pagina di chat IA di questo dispositivo non è ancora disponibile. Le tue domande restano qui; controlla la connessione di rete.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>La pagina di chat IA di questo dispositivo non è ancora disponibile. Le tue domande restano qui; collega il dispositivo e controlla la connessione di rete.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Assistente IA</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Scrittura IA</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Registrazione non riuscita</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Riconoscimento vocale non riuscito</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Il file del firmware non è valido; questa versione non verrà più scaricata</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Il programma è già in esecuzione in un’altra delle tue sessioni. Usalo lì, oppure chiudilo prima lì.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Il programma è già in esecuzione ma non risponde. Chiudilo, poi avvialo di nuovo.</translation>
    </message>
</context>
</TS>
