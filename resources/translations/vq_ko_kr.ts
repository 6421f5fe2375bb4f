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
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>스마트 설정</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>소프트웨어 설정</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>개인 설정</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>스마트 펜 설정</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>메인 창 열기</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>사용 가이드</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>권한 설정</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>장치가 감지되지 않음</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>수신기를 컴퓨터의 USB 포트에 꽂거나 블루투스로 마우스를 연결하세요</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>장치가 연결되면 설정 화면이 자동으로 열립니다</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>배터리가 부족합니다. 충전해 주세요</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>로그인 시 자동 실행</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>다음 항목에 따라 사용할 수 있는 기능이 결정됩니다</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>장치 액세스</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>장치 연결과 키·음성 수신을 위해 수신기의 HID 장치 노드를 읽고 씁니다</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>프로그램과 함께 제공되는 udev 규칙을 설치한 뒤 수신기를 다시 꽂으세요:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>접근성</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>데스크톱 접근성 버스(AT-SPI). 인식된 텍스트를 입력란에 바로 쓰는 데 사용합니다</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>at-spi2-core를 설치하고 시스템 설정에서 접근성을 켠 뒤 다시 로그인하세요</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>X11 세션</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>전역 단축키, 키 입력 재현, 입력 감시, 스크린샷에는 X11 세션이 필요합니다</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>로그인 화면에서 X11(Xorg) 세션을 선택하세요</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>제한됨</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>Wayland 세션에서는 키 입력 재현, 전역 단축키, 입력 감시, 스크린샷이 XWayland 창에서만 작동하고 네이티브 Wayland 창에서는 작동하지 않습니다. 모든 기능을 사용하려면 로그인 화면에서 X11(Xorg) 세션을 선택하세요</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>허용되지 않음</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>수신기를 찾을 수 없음</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>명령 복사</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>다시 확인</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>보조 설정</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>일부 설정을 읽을 수 없어 기본값으로 되돌렸습니다</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>원래 설정 파일은 다음 이름으로 보관되었습니다: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>녹음에 실패했습니다. 마이크를 확인하세요</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>너무 빨리 눌렀습니다</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>말씀하세요...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>음성이 들리지 않았습니다. 음성 키를 눌러 다시 말씀하세요</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>입력 모드로 전환했습니다</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>번역 모드로 전환했습니다</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>서버에 연결하지 못했습니다. 네트워크를 확인하세요</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>오디오 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>답변의 오디오를 재생할 수 없습니다</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>붙여넣기 실패</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>번역 실패</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>소리 내어 읽을 수 없습니다: 음성 엔진 또는 사운드 출력 장치가 없습니다</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>오디오를 재생할 수 없습니다</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>브라우저를 열 수 없습니다</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>선택한 텍스트를 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>복사 실패</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>인식 결과</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>선택 텍스트 번역</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>스크린샷 번역</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>스크린샷 단축키를 다른 프로그램이 사용 중입니다</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>스크린샷 실패</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>AI 창을 열 수 없습니다</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>열 수 없습니다</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>%1% 다운로드됨</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>내보내기 완료</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>다운로드 실패, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>내보내기 실패, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc 키를 다른 프로그램이 사용 중입니다. 효과를 클릭한 후 Esc를 눌러 종료하세요</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>화면을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>하드 레이저</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>강조 표시</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>디지털 광점</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>화면 전송 모드로 전환됨</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>카운트다운 및 경고</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15분</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30분</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60분</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>사용자 지정 시간(분)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>음성 키 기능</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>마이크 모드로 전환</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>검색 모드로 전환</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>입력 설정</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>문장 부호 포함 인식</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>입력 호환 모드</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>긴 음성 인식</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>입력 언어</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>음성 입력 단축키</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>음성 번역 단축키</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>음성 검색 단축키</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>번역 설정</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>번역 언어</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>음성 검색 엔진</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>전화번호/이메일</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>정보를 입력해 주세요</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>전화번호 또는 이메일을 입력해 주세요</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>비밀번호를 입력해 주세요</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>비밀번호 저장</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>비밀번호 찾기</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>회원가입</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>로그인되었습니다</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>로그인 실패</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>인증 코드</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>비밀번호 다시 입력</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>&lt;&lt;Corvane 개인정보 처리방침&gt;&gt; 및 &lt;&lt;Corvane 이용약관&gt;&gt;을 읽었으며 동의합니다</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>먼저 &lt;&lt;Corvane 개인정보 처리방침&gt;&gt; 및 &lt;&lt;Corvane 이용약관&gt;&gt;을 읽고 동의해 주세요</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>인증 코드를 입력해 주세요</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>비밀번호를 다시 입력해 주세요</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>비밀번호가 일치하지 않습니다</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>인증 코드를 받지 못했습니다</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>회원가입 실패</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>비밀번호 재설정</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>비밀번호가 변경되었습니다</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>비밀번호를 변경하지 못했습니다</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>코드 보내기</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>초 후 재전송</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>로그인해 주세요</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>보내기</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>내용을 입력하세요</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>생성 중…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>충전</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>만료일</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>사용자 정보를 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>명령어</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>핫워드</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>명령 추가</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>음성 명령 "%1"을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>삭제하면 이 음성 명령은 더 이상 작동하지 않습니다!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>여기를 클릭하여 핫워드 추가, 한 줄에 하나</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>만들기 실패</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>사용자 명령 추가</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>실행 경로</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>웹 페이지</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>고정 텍스트</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>모두 입력한 후 만드십시오</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>명령어가 이미 있습니다</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>파일 또는 폴더를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>다시 모두 입력한 후 만드십시오</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>편집 실패</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>오디오 파일 경로를 입력하세요…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>기본 저장 위치: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>전사 시작</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>전사 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>항상 켜짐</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>숨쉬기</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>마키</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>低</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>高</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>사용 손</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>왼손</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>오른손</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>배터리 부족 알림</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>내 장치</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>녹음 자동 삭제</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>녹음 중 표시등 끄기</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>배터리:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>펌웨어:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>버전 </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>일련 번호:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>AI 마우스 정보</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>소프트웨어 버전:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>펌웨어 버전:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>버전 정보 </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>음성 입력, 음성 번역, 음성 검색, 음성 제어
단어 번역, 화면 인식, 화면 번역, 키 매크로</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>장치 업데이트</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>수신기 업데이트</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>업데이트 취소</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>업데이트 후 연결되지 않으면 다시 페어링하세요</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>업데이트 실패</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>업데이트 취소됨</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>펌웨어 업데이트 중입니다. 종료하면 업데이트가 중단됩니다.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>업데이트 계속</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>업데이트 취소 후 종료</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>인터넷</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>원클릭 검사</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>드라이버 재설정</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>장치와 환경이 정상입니다. 문제가 있으면 고객 서비스에 문의하세요</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>장치 또는 환경에 문제가 있습니다. 문제가 있으면 고객 서비스에 문의하세요</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>오디오 받아쓰기</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>받아쓰기 기록</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>개인 사전</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>충전 기록</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>닉네임</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>비밀번호 변경</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>사용 가능 시간(분):</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>현재 비밀번호 입력</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>새 비밀번호 입력</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>새 비밀번호 다시 입력</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>인증번호 로그인</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>비밀번호 로그인</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>휴대폰 번호</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>휴대폰 번호 입력</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>인증번호 받기</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>인증번호 입력</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>비밀번호 입력</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>스캔하여</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>바로 로그인</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>AI 창작 시작</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>키 기능 초기화</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>설정을 저장할 수 없습니다. 다음 실행 시 변경 내용이 사라집니다</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>쓸 수 없음: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>다른 프로그램이 음성 명령 데이터베이스를 사용 중입니다. 명령은 나중에 저장됩니다</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>음성 명령 데이터베이스가 손상되어 새로 만들었습니다</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>이전 파일 보관 위치: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>인식 중…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>사용할 수 있는 홈 폴더가 없습니다. 설정과 기록이 저장되지 않습니다</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>root로 실행 중에는 AI 창을 열 수 없습니다</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>비밀번호를 기억할 수 없습니다: 사용 가능한 키링 서비스가 없습니다</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>비밀번호를 기억할 수 없습니다: 키링이 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>펌웨어 다운로드에 실패했습니다. 다음 확인 때 다시 시도합니다</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>이 언어를 읽을 음성이 없어 기본 음성으로 읽었습니다</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>원래 설정 파일을 복사할 수 없습니다. 읽을 수 없는 설정은 당분간 다음 파일에 남아 있습니다: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>음성 명령 데이터베이스를 사용할 수 없습니다. 명령은 이번 세션 동안만 유지됩니다</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>데이터베이스 파일은 그대로 둡니다. 이유: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>버튼 기능을 불러오지 못했습니다. 다음에 장치를 연결하거나 이 페이지를 열 때 다시 가져옵니다</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>인식된 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>스마트 펜 정보</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>SN: %1         소프트웨어 버전: %2         펌웨어 버전: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>업데이트 성공</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ 명령 추가</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>만료일: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; 뒤로</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>이 장치의 AI 채팅 페이지는 아직 사용할 수 없습니다. 질문은 여기에 보관됩니다. 네트워크를 확인하세요.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>이 장치의 AI 채팅 페이지는 아직 사용할 수 없습니다. 질문은 여기에 보관됩니다. 장치를 연결하고 네트워크를 확인하세요.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>AI 도우미</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>AI 글쓰기</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>녹음에 실패했습니다</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>음성 인식에 실패했습니다</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>펌웨어 파일이 올바르지 않습니다. 이 버전은 다시 다운로드하지 않습니다</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>프로그램이 이미 사용자의 다른 세션에서 실행 중입니다. 그곳에서 사용하거나 먼저 그곳에서 종료하세요.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>프로그램이 이미 실행 중이지만 응답하지 않습니다. 종료한 후 다시 시작하세요.</translation>
    </message>
</context>
</TS>
