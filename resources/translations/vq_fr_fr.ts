<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
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
        <translation>Compris</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Erreur système</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Veuillez vérifier votre connexion réseau</translation>
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
        <translation>Réglages de la souris</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Réglages intelligents</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personnalisation</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Réglages du pointeur</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Ouvrir la fenêtre principale</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Prise en main</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Aucun appareil détecté</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Branchez le récepteur sur un port USB de l'ordinateur ou connectez la souris en Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Les réglages s'ouvrent d'eux-mêmes dès que l'appareil est connecté</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Batterie faible, veuillez recharger</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Langue de l'interface</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Lancer à l'ouverture de session</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Échec du réglage</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Ces éléments déterminent les fonctions disponibles</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Accès à l'appareil</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Lecture et écriture des nœuds HID du récepteur, pour connecter l'appareil et recevoir ses touches et sa voix</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Installez la règle udev fournie avec le programme, puis rebranchez le récepteur :</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Le bus d'accessibilité du bureau (AT-SPI), pour écrire le texte reconnu directement dans les champs de saisie</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Installez at-spi2-core, activez l'accessibilité dans les paramètres du système, puis rouvrez la session</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Session X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Les raccourcis globaux, les touches simulées, la surveillance des entrées et les captures d'écran nécessitent une session X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Choisissez la session X11 (Xorg) sur l'écran de connexion</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limité</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Dans une session Wayland, les touches simulées, les raccourcis globaux, la surveillance des entrées et les captures d'écran ne fonctionnent qu'avec les fenêtres XWayland, pas avec les fenêtres Wayland natives ; pour toutes les fonctions, choisissez la session X11 (Xorg) sur l'écran de connexion</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Accordé</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Non accordé</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Aucun récepteur trouvé</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copier la commande</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Réglages auxiliaires</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Certains réglages n'ont pas pu être lus et ont été rétablis par défaut</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Le fichier de réglages d'origine a été conservé sous : </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Échec de l&apos;enregistrement, vérifiez le microphone</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Appui trop rapide</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Parlez...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Aucune parole entendue. Appuyez sur la touche vocale et recommencez</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Mode saisie activé</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Mode traduction activé</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Échec de la connexion au serveur, veuillez vérifier le réseau</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Impossible de lire le fichier audio</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Impossible de lire l'audio de la réponse</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Échec du collage</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Échec de la traduction</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Lecture à voix haute impossible : aucun moteur vocal ni périphérique de sortie audio</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Impossible de lire l'audio</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Impossible d&apos;ouvrir le navigateur</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Aucun texte sélectionné obtenu</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Échec de la copie</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Texte reconnu</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traduire la sélection</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Traduire une capture</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Le raccourci de capture est pris par un autre programme</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Échec de la capture d'écran</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Impossible d'ouvrir la fenêtre IA</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Ouverture impossible</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>%1% téléchargé</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exportation terminée</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Échec du téléchargement, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Échec de l'exportation, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Échap est pris par un autre programme ; changez de mode pour quitter le stylo</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Impossible de lire l&apos;écran</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Laser matériel</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Surbrillance</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Point lumineux numérique</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Passé en mode diffusion d'écran</translation>
    </message>
</context>
</TS>
