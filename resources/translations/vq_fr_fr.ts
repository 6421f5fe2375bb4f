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
        <translation>Échec de l'enregistrement, vérifiez le microphone</translation>
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
        <translation>Impossible d'ouvrir le navigateur</translation>
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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Échap est utilisée par un autre programme ; cliquez sur l’effet, puis appuyez sur Échap pour quitter</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Impossible de lire l'écran</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Compte à rebours et alerte</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minutes</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Durée personnalisée (minutes)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Fonction de la touche vocale</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Saisie vocale</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traduction vocale</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Recherche vocale</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Mode microphone activé</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Mode recherche activé</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Paramètres de saisie</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Ponctuation</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Mode de saisie compatible</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Reconnaissance de longs discours</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Langue de saisie</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Raccourci de saisie vocale</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Raccourci de traduction vocale</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Raccourci de recherche vocale</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Paramètres de traduction</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Langues de traduction</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Moteur de recherche vocale</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Téléphone/e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Les informations ne peuvent pas être vides</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Veuillez saisir votre numéro de téléphone ou e-mail</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Veuillez saisir le mot de passe</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Mot de passe oublié</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>S'inscrire</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Code de vérification</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Confirmez le mot de passe</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>J'ai lu et j'accepte la &lt;&lt;Politique de confidentialité Corvane&gt;&gt; et le &lt;&lt;Contrat d'utilisation Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Veuillez d'abord lire et accepter la &lt;&lt;Politique de confidentialité Corvane&gt;&gt; et le &lt;&lt;Contrat d'utilisation Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Veuillez saisir le code de vérification</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Veuillez confirmer le mot de passe</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Les deux mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Impossible d'obtenir un code de vérification</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Échec de l'inscription</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Réinitialiser le mot de passe</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Mot de passe modifié</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Impossible de modifier le mot de passe</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Envoyer le code</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s avant un nouvel envoi</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Veuillez vous connecter</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Saisissez votre question</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Génération…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Expire le</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Impossible d'obtenir les informations de l'utilisateur</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Mots de commande</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Mots clés</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Ajouter une commande</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Supprimer la commande vocale « %1 » ?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>La commande vocale ne fonctionnera plus une fois supprimée !</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Cliquez ici pour ajouter des mots clés, un par ligne</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Échec de la création</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Ajouter une commande personnalisée</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Texte fixe</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Veuillez tout remplir avant de créer</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Le mot de commande existe déjà</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Veuillez remplir à nouveau le formulaire avant de créer</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Saisissez le chemin du fichier audio…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Emplacement par défaut : </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Lancer la transcription</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Transcription en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Éteint</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Défilement</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Gaucher</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Droitier</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Alerte batterie faible</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Mon appareil</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Supprimer les enregistrements automatiquement</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Voyant éteint pendant l'enregistrement</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Batterie :</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Micrologiciel :</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>À propos de la souris IA</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Version du logiciel :</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Version du micrologiciel :</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Notes de version </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Saisie vocale, traduction vocale, recherche vocale, commande vocale
Traduction de mots, reconnaissance de capture, traduction de capture, macros de touches</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Mettre à jour l'appareil</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Mettre à jour le récepteur</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Annuler la mise à jour</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Si l'appareil ne se connecte pas après la mise à jour, associez-le à nouveau</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Vous avez la dernière version</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Mise à jour annulée</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Une mise à jour du micrologiciel est en cours. Quitter l'interrompt.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Continuer la mise à jour</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Annuler et quitter</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Ordinateur</translation>
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
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Réinitialiser le pilote</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Votre appareil et votre environnement fonctionnent normalement. En cas de problème, contactez le service client</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Un problème touche votre appareil ou votre environnement. En cas de problème, contactez le service client</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Transcrire l'audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Transcriptions</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Mon vocabulaire</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Historique des recharges</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Minutes disponibles :</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Saisir le mot de passe actuel</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Saisir le nouveau mot de passe</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Confirmer le nouveau mot de passe</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Connexion par code</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Connexion par mot de passe</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Saisir le numéro de téléphone</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Obtenir le code</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Saisir le code</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>pour se connecter</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Accéder à la création IA</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Réinitialiser les fonctions des touches</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Impossible d’enregistrer les réglages ; les modifications seront perdues au prochain démarrage</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Écriture impossible : </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Un autre programme utilise la base des commandes vocales ; les commandes seront enregistrées plus tard</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>La base des commandes vocales était endommagée et a été recréée</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>L’ancien fichier a été conservé sous : </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Reconnaissance…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Aucun dossier personnel utilisable : les réglages et les journaux ne seront pas enregistrés</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>La fenêtre IA ne peut pas s'ouvrir lorsque le programme s'exécute en root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Le mot de passe n'a pas pu être mémorisé : aucun service de trousseau disponible</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Le mot de passe n'a pas pu être mémorisé : le trousseau ne l'a pas enregistré</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Le téléchargement du micrologiciel a échoué ; il sera relancé à la prochaine vérification</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Aucune voix ne lit cette langue ; la voix par défaut l’a lue</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Le fichier de réglages d'origine n'a pas pu être copié ; les réglages illisibles restent pour l'instant dans : </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>La base de données des commandes vocales est inutilisable ; les commandes ne sont conservées que pour cette session</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Le fichier de la base de données est laissé tel quel. Raison : </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Les fonctions des boutons n'ont pas pu être chargées ; elles seront récupérées à la prochaine connexion de l'appareil ou à la prochaine ouverture de cette page</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Aucun texte reconnu</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>À propos du pointeur</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>N° de série : %1         Version du logiciel : %2         Version du micrologiciel : %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Ajouter une commande</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Expire le : %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>La page de discussion IA de cet appareil n’est pas encore disponible. Vos questions sont conservées ici ; vérifiez la connexion réseau.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>La page de discussion IA de cet appareil n’est pas encore disponible. Vos questions sont conservées ici ; connectez l’appareil et vérifiez la connexion réseau.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Assistant IA</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Rédaction IA</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Échec de la reconnaissance vocale</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Le fichier du micrologiciel n'est pas valide ; cette version ne sera plus téléchargée</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Le programme est déjà ouvert dans une autre de vos sessions. Utilisez-le là-bas, ou quittez-le d’abord là-bas.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Le programme est déjà ouvert mais ne répond pas. Fermez-le, puis relancez-le.</translation>
    </message>
</context>
</TS>
